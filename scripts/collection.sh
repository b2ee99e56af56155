# Sourced by scripts that run the collection side as the computer runs it (after env.sh and
# wine-session.sh): the server and the user service installed as services, the user service
# started (it starts the server and the monitor), and everything stopped and removed again.
# Sets bin, driver, database and quantum; zv_collection_cleanup is the scripts' EXIT trap.
quantum=${ZV_QUANTUM:-5}
bin=$BUILD_DIR/out/bin
driver=$BUILD_DIR/out/tests/zvdriver.exe
database=$bin/zorvane.db
server_key="$zv_config_key\\ZorvaneServer"
service_key="$zv_config_key\\ZorvaneService"
user_service='Zorvane User Service'
server_service='Zorvane Server'

quiet() { "$@" </dev/null >/dev/null 2>&1; }
zv_collection_cleanup() {
  set +e
  if [ -n "${started:-}" ]; then
    echo "$ZV_SCRIPT: stopping the services"
    quiet wine net stop "$user_service"
    quiet wine net stop "$server_service"
  fi
  quiet wine "$bin/zvservice.exe" /UnregServer
  quiet wine "$bin/zvserver.exe" /UnregServer
  zv_reset_prefix
  zv_xvfb_stop
}

# zv_wait_running service log: waits for the service to run; when it does not, says which, its
# state and the last lines of its log (the log's name up to its date), and ends the script.
zv_wait_running() {
  local state log
  for _ in $(seq 100); do
    state=$(wine sc query "$1" </dev/null 2>/dev/null | tr -d '\r' | awk '/STATE/ { print $4 }')
    [ "$state" = RUNNING ] && return 0
    sleep 0.3
  done
  echo "$ZV_SCRIPT: $1 did not start: its state is ${state:-unknown (the service is not installed)}" >&2
  log=$(ls -t "$bin/Logs/$2"_*.log 2>/dev/null | head -1)
  if [ -n "$log" ]; then
    echo "$ZV_SCRIPT: the last lines of $log:" >&2
    tail -n 20 "$log" | tr -d '\r' >&2
  else
    echo "$ZV_SCRIPT: it wrote no log in $bin/Logs" >&2
  fi
  exit 1
}

# The programs run under the user's display, or under Xvfb when there is none. Each start
# begins with an empty database.
zv_collection_start() {
  zv_reset_prefix
  if [ -z "${DISPLAY:-}" ]; then zv_xvfb_start; fi
  zv_set_graphics x11
  zv_wine_start

  echo "$ZV_SCRIPT: registering zvserver.exe and zvservice.exe as services (quantum ${quantum} s)"
  rm -f "$database"
  quiet wine reg add "$server_key" /v Quantum /t REG_DWORD /d "$quantum" /f
  # Their logs tell why, when a service does not start.
  rm -rf "$bin/Logs"
  quiet wine reg add "$server_key" /v MakeDebugLog /t REG_DWORD /d 1 /f
  quiet wine reg add "$service_key" /v MakeDebugLog /t REG_DWORD /d 1 /f
  # /Service registers the recordsets' unmarshal DLL as well.
  wine "$bin/zvserver.exe" /Service </dev/null
  wine "$bin/zvservice.exe" /Service </dev/null

  echo "$ZV_SCRIPT: starting $user_service (it starts the server and the monitor)"
  # The service starts automatically with the session; start it when it has not.
  quiet wine net start "$user_service" || true
  started=1
  zv_wait_running "$user_service" ZorvaneSvc
  zv_wait_running "$server_service" ZorvaneSrv
  # The user service starts the monitor in the session once it runs.
  sleep 3
}

# The desktop driver plays a user for the seconds given; the last records arrive at the next
# quantum boundary.
zv_collection_play() {
  echo "$ZV_SCRIPT: working in notepad and the registry editor for $1 s"
  wine "$driver" "$1" </dev/null
  sleep $((quantum + 2))
}

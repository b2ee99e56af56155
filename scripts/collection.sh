# Sourced by scripts that run the collection side as the computer runs it (after env.sh and
# wine-session.sh): the server and the user service installed as services, the user service
# started (it starts the server and the monitor), and everything stopped and removed again.
# Sets bin, driver, database and quantum; zv_collection_cleanup is the scripts' EXIT trap.
quantum=${ZV_QUANTUM:-5}
bin=$BUILD_DIR/out/bin
driver=$BUILD_DIR/out/tests/zvdriver.exe
database=$bin/zorvane.db
server_key='HKLM\SOFTWARE\Halvorn Software\Zorvane\ZorvaneServer'
user_service='Zorvane User Service'

quiet() { "$@" </dev/null >/dev/null 2>&1; }
zv_collection_cleanup() {
  set +e
  if [ -n "${started:-}" ]; then
    echo "$ZV_SCRIPT: stopping the services"
    quiet wine net stop "$user_service"
    quiet wine net stop "Zorvane Server"
  fi
  quiet wine "$bin/zvservice.exe" /UnregServer
  quiet wine "$bin/zvserver.exe" /UnregServer
  quiet wine reg delete "$server_key" /v Quantum /f
  zv_set_graphics null
  zv_xvfb_stop
  zv_wine_stop
}

# The programs run under the user's display, or under Xvfb when there is none. Each start
# begins with an empty database.
zv_collection_start() {
  if [ -z "${DISPLAY:-}" ]; then zv_xvfb_start; fi
  zv_set_graphics x11
  zv_wine_start

  echo "$ZV_SCRIPT: registering zvserver.exe and zvservice.exe as services (quantum ${quantum} s)"
  rm -f "$database"
  quiet wine reg add "$server_key" /v Quantum /t REG_DWORD /d "$quantum" /f
  # /Service registers the recordsets' unmarshal DLL as well.
  wine "$bin/zvserver.exe" /Service </dev/null
  wine "$bin/zvservice.exe" /Service </dev/null

  echo "$ZV_SCRIPT: starting $user_service (it starts the server and the monitor)"
  # The service starts automatically with the session; start it when it has not.
  quiet wine net start "$user_service" || true
  started=1
  for _ in $(seq 50); do
    wine sc query "$user_service" </dev/null 2>/dev/null | grep -q RUNNING && break
    sleep 0.2
  done
  sleep 3
}

# The desktop driver plays a user for the seconds given; the last records arrive at the next
# quantum boundary.
zv_collection_play() {
  echo "$ZV_SCRIPT: working in notepad and the registry editor for $1 s"
  wine "$driver" "$1" </dev/null
  sleep $((quantum + 2))
}

# Sourced by scripts that run Wine programs: a persistent wine server for the run (services and
# cross-process COM die with a server that exits after its last client), and Xvfb on demand.
# The target's prefix exists only where the machine runs its programs.
if [ ! -f "$WINEPREFIX/.zorvane-ready" ]; then
  echo "this machine does not run 32-bit programs: the $ZV_ARCH target is built, not run" >&2
  exit 1
fi
zv_wine_start() {
  # A server left from an earlier run cannot be made persistent: replace it.
  if ! wineserver -p </dev/null >/dev/null 2>&1; then
    zv_wine_stop
    wineserver -p </dev/null >/dev/null 2>&1
  fi
  wine wineboot </dev/null >/dev/null 2>&1 || true
}
zv_wine_stop() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
  wineserver -w </dev/null >/dev/null 2>&1 || true
}
zv_set_graphics() {  # null | x11; takes effect with the next wine server
  zv_wine_stop
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /t REG_SZ /d "$1" /f </dev/null >/dev/null 2>&1
  zv_wine_stop
}
# What a run of ours may leave in the prefix when it is stopped half-way, put back: the display
# driver to null, the services that the programs and tests install stopped and removed (left
# registered to start automatically, wineboot would start them with the next wine server), and
# the computer's configuration that they write deleted. Ends with the wine server stopped.
zv_services=("Zorvane User Service" "Zorvane Server" "Scaffolding Test Service")
zv_config_key='HKLM\SOFTWARE\Halvorn Software\Zorvane'
zv_reset_prefix() {
  local service view
  zv_wine_start
  for service in "${zv_services[@]}"; do
    wine sc query "$service" </dev/null >/dev/null 2>&1 || continue
    wine net stop "$service" </dev/null >/dev/null 2>&1 || true
    wine sc delete "$service" </dev/null >/dev/null 2>&1 || true
  done
  for view in 64 32; do
    wine reg delete "$zv_config_key" /f "/reg:$view" </dev/null >/dev/null 2>&1 || true
  done
  zv_set_graphics null
}
zv_xvfb_start() {
  local n
  for n in $(seq 90 130); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
    Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    ZV_XVFB_PID=$!
    export DISPLAY=:$n
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && return 0; sleep 0.1; done
  done
  echo "could not start Xvfb" >&2
  return 1
}
zv_xvfb_stop() {
  [ -n "${ZV_XVFB_PID:-}" ] && kill "$ZV_XVFB_PID" 2>/dev/null || true
  ZV_XVFB_PID=
}

# Environment shared by the project's scripts: the target, its Wine loader, and where its build
# tree and Wine prefix live. ZV_ARCH picks the target: x86_64 (the default) or i686.
root=${root:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export ZV_ARCH=${ZV_ARCH:-x86_64}
case "$ZV_ARCH" in
  x86_64) export WINEARCH=win64 ZV_WINE=/usr/lib/wine/wine64 ;;
  i686) export WINEARCH=win32 ZV_WINE=/usr/lib/wine/wine ;;
  *) echo "unknown target '$ZV_ARCH': use x86_64 or i686" >&2; exit 2 ;;
esac
export ZV_BUILD_ROOT=${ZV_BUILD_ROOT:-$root/build}
export BUILD_DIR=$ZV_BUILD_ROOT/$ZV_ARCH
export WINEPREFIX=$BUILD_DIR/wineprefix
# Wine starts further programs of the prefix with this loader, not with Debian's wrapper, which
# prefers the 32-bit one wherever it is installed.
export WINELOADER=$ZV_WINE
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
wine() { "$ZV_WINE" "$@"; }


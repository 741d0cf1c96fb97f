# Shared helpers of the tools/ scripts; sourced, not run.
jobs=$(nproc 2>/dev/null || echo 2)
if command -v ninja >/dev/null 2>&1; then export CMAKE_GENERATOR=${CMAKE_GENERATOR:-Ninja}; fi
# pip may be pointed at local wheel folders that do not exist here; its
# warnings about them are noise.
export PIP_DISABLE_PIP_VERSION_CHECK=1

step() { printf '\n==> %s\n' "$*"; }

# cmake_build DIR [cmake args...]: configure (once) and build DIR.
cmake_build() {
  local dir=$1
  shift
  cmake -S . -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
}

# The virtualenv of a Python version: .venv for the newest, .venv-X.Y else.
venv_dir() {
  local newest
  newest=$(tools/find-pythons | head -n1 | cut -d' ' -f1)
  if [[ "$1" == "$newest" ]]; then echo .venv; else echo ".venv-$1"; fi
}

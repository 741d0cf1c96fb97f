# Every target does its own set-up (Debian packages, virtualenvs) on a fresh
# machine. See README.md.
SHELL := /bin/bash
.DEFAULT_GOAL := help
.PHONY: help deps venv test test-arm64 fuzz wheel demo bench format clean

help:
	@echo "make test    C++ tests (plain and sanitized), a short fuzz run, then the wheel and pytest"
	@echo "             on every Python >= 3.12, and pytest once more against an AddressSanitizer build"
	@echo "make test-arm64  the aarch64 wheels and pytest on them in an arm64 Debian root under qemu"
	@echo "make fuzz    run each fuzz target for FUZZ_SECONDS (default 180) seconds"
	@echo "make wheel   build a manylinux wheel for every Python >= 3.12 into dist/ (x86-64, and"
	@echo "             aarch64 when the cross compiler is installed)"
	@echo "make demo    run examples/tour.py"
	@echo "make bench   run the benchmarks"
	@echo "make format  apply .clang-format"

deps:
	@tools/install-deps

# .venv: the newest Python >= 3.12 found, with the package and the test tools.
venv: deps
	@set -e; entry=$$(tools/find-pythons | head -n1); \
	  [ -n "$$entry" ] || { echo "no Python >= 3.12 found" >&2; exit 1; }; \
	  tools/venv .venv "$${entry#* }"

test:
	@tools/run-tests

# Not part of test: pytest under qemu takes long (README.md, "Testing").
test-arm64:
	@tools/install-deps cross && tools/root-pythons -a arm64 test

fuzz:
	@tools/run-fuzz

wheel:
	@tools/build-wheels

demo: venv
	@.venv/bin/python examples/tour.py

bench: venv
	@tools/run-bench

format:
	@fmt=$$(command -v clang-format-19 || command -v clang-format) || { echo "no clang-format" >&2; exit 1; }; \
	  git ls-files '*.cc' '*.h' ':!third_party' | xargs $$fmt -i

clean:
	rm -rf build .venv .venv-* dist

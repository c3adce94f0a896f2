# Two commands do everything: `make run` builds and starts Kronvale,
# `make test` builds it and runs every test; `make check` is the quick
# everyday subset, `make deb` makes its Debian package (`make deb ARCH=arm64`
# for a Raspberry Pi), `make windows` the
# Windows zip in build-windows/. Each installs missing Debian packages first
# when run as root (see scripts/setup).
#
#   make run ARGS="window 800 600"

ARGS ?=
ARCH ?=

.PHONY: run test check deb windows clean

run:
	scripts/run $(ARGS)

test:
	scripts/test

check:
	scripts/check

deb:
	scripts/deb $(ARCH)

windows:
	scripts/windows

clean:
	rm -rf build build-arm64 build-sanitize build-fuzz build-windows build-classic build-sdl-source build-debian13 build-logs build-sdl-source.lock

# Two commands do everything: `make run` builds and starts Kronvale,
# `make test` builds it and runs every test. Both install missing Debian
# packages first when run as root (see scripts/setup). `make windows` builds
# the Windows zip in build-windows/.
#
#   make run ARGS="window 800 600"

ARGS ?=

.PHONY: run test windows clean

run:
	scripts/run $(ARGS)

test:
	scripts/test

windows:
	scripts/windows

clean:
	rm -rf build build-sanitize build-fuzz build-windows

# Entry points: `make demo` runs the suite on a simulated card under Wine, `make test` runs every test.
.PHONY: all bootstrap build build-win32 build-host test demo bench clean

all: build

bootstrap:
	@scripts/bootstrap

build-win32: bootstrap
	cmake --preset win32 >/dev/null
	cmake --build --preset win32

build-host: bootstrap
	cmake --preset host >/dev/null
	cmake --build --preset host

build: build-win32 build-host

test: build
	ctest --preset host

# The suite on a simulated card under Wine, then Beamset used from end to end, with the README's pictures.
demo: build-win32
	scripts/demo
	scripts/screenshot docs

# Start-up cost of both tools under Wine against a floor that only reaches the registry.
bench: build-win32
	tests/bench/run

clean:
	rm -rf build

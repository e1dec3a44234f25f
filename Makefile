# Entry points: `make demo` runs the suite on a simulated card under Wine, `make test` runs every test.
.PHONY: all bootstrap build build-win32 build-win64 build-wine build-host package test demo bench clean

all: build

bootstrap:
	@scripts/bootstrap

build-win32: bootstrap
	cmake --preset win32 >/dev/null
	cmake --build --preset win32

# Never shipped: the same programs for x86-64, and a setup program around them, for machines that run no
# 32-bit code.
build-win64: bootstrap
	cmake --preset win64 >/dev/null
	cmake --build --preset win64 --target all setup

# The build the Wine runs take (tests/lib/winearch.sh): i686 where this machine runs 32-bit code, else x86-64.
build-wine: build-win32
	@arch=$$(tests/lib/winearch.sh) && if [ "$$arch" = x86_64 ]; then $(MAKE) --no-print-directory build-win64; fi

build-host: bootstrap
	cmake --preset host >/dev/null
	cmake --build --preset host

build: build-wine build-host

# The setup program and the portable zip of the shipped i686 programs, in build/package.
package: build-win32
	cmake --build --preset win32 --target dist
	@ls -l build/package

test: build package
	ctest --preset host

# The suite on a simulated card under Wine, then Beamset used from end to end, with the README's pictures.
demo: build-wine
	scripts/demo
	scripts/screenshot docs

# Start-up cost of both tools under Wine against a floor that only reaches the registry.
bench: build-wine
	tests/bench/run

clean:
	rm -rf build

# Set-up, build and test entry points. `make test` is all a fresh machine needs.
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
# Warnings are errors in CI (CI=true, which .ci/run sets); said on every configure so a cached value never lingers.
ifeq ($(CI),true)
CMAKE_FLAGS += -DLEXMILL_WERROR=ON
else
CMAKE_FLAGS += -DLEXMILL_WERROR=OFF
endif

.PHONY: all bootstrap build test test-default test-asan bench fuzz fuzz-seeds demo format clean

all: build

bootstrap:
	@scripts/bootstrap

build: bootstrap
	cmake --preset default $(CMAKE_FLAGS)
	cmake --build --preset default -j $(JOBS)

test-default: build
	ctest --preset default -j $(JOBS)

test-asan: bootstrap
	cmake --preset asan $(CMAKE_FLAGS)
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

test: test-default test-asan

bench: bootstrap
	cmake --preset bench
	cmake --build --preset bench -j $(JOBS)

# Coverage-guided fuzzing needs clang-14 and its runtime (clang-14, libclang-rt-14-dev); `make test` does not.
FUZZ_SECONDS ?= 60
fuzz:
	@command -v clang++-14 >/dev/null || { echo "make fuzz needs clang-14 and libclang-rt-14-dev"; exit 1; }
	cmake --preset fuzz $(CMAKE_FLAGS)
	cmake --build --preset fuzz --target fuzz_targets -j $(JOBS)
	FUZZ_SECONDS=$(FUZZ_SECONDS) scripts/run-fuzz

fuzz-seeds: bootstrap
	scripts/fuzz-seeds

demo: build
	@if [ -x build/default/tools/lexmill/lexmill ]; then scripts/demo; else echo "the lexmill command is not built yet"; exit 1; fi

format:
	find lexcore lexstats lexlists lexgridcells lextextgrid lexfiletools lexrichedit tests tools bench fuzz \
	  -name '*.cpp' -o -name '*.h' | xargs -r clang-format -i

clean:
	rm -rf build

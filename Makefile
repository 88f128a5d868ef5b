# The two commands a new developer needs: `make run` and `make test`. Both install the Debian
# packages they need first (scripts/bootstrap; `make test` adds the test tools with --tests),
# configure and build: `make run` only the programs, the shipped data and the help, `make test`
# everything.

# ccache shares its cache between clones in other folders (CI builds a fresh clone every time).
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1

BUILD ?= build
JOBS ?= $(shell nproc)
BUILD_TYPE ?= RelWithDebInfo
# `make fuzz`: its own clang build with the sanitizers, each target run this many seconds.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?=

.PHONY: all bootstrap bootstrap-tests configure configure-tests apps build run test bench package fuzz clean

all: build

bootstrap:
	@bash scripts/bootstrap

bootstrap-tests:
	@bash scripts/bootstrap --tests

# Warnings are errors in the project's own builds and CI, never in a user's or packager's build
# (the CMake default): a build folder configured by hand is switched over here too.
configure: bootstrap
	@if [ ! -f $(BUILD)/build.ninja ]; then \
		cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DQUORVEX_WERROR=ON; \
	elif ! grep -q '^QUORVEX_WERROR:BOOL=ON$$' $(BUILD)/CMakeCache.txt; then \
		cmake -DQUORVEX_WERROR=ON $(BUILD); \
	fi

# The test suites and benchmarks are configured once their packages are there: a build folder
# configured by `make run` before `bootstrap --tests` installed them is configured again.
configure-tests: bootstrap-tests configure
	@grep -q '^QUORVEX_HAVE_TESTS:INTERNAL=ON$$' $(BUILD)/CMakeCache.txt || cmake $(BUILD)

# What running needs: the two programs, the shipped data and the help.
apps: configure
	cmake --build $(BUILD) -j $(JOBS) --target quorvex_apps

# Everything: the programs, the test suites, the benchmarks and the fuzz targets' seed replays.
build: configure-tests
	cmake --build $(BUILD) -j $(JOBS)

run: apps
	@bash scripts/run-quorvex $(BUILD)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# A Debian package of the installed program, in $(BUILD): quorvex_<version>_<arch>.deb.
package: apps
	cd $(BUILD) && cpack -G DEB

bench: build
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; $$b; done

# Fuzzing wants light optimisation and line tables only: full debug information doubles the build.
fuzz: bootstrap-tests
	@if [ ! -f $(FUZZ_BUILD)/build.ninja ]; then \
		CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
			-DQUORVEX_FUZZ=ON -DQUORVEX_TESTS=OFF -DQUORVEX_BENCH=OFF \
			"-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -gline-tables-only -DNDEBUG"; \
	fi
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target quorvex_fuzz
	@bash scripts/run-fuzz $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

clean:
	rm -rf $(BUILD)

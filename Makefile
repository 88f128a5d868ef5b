# The two commands a new developer needs: `make run` and `make test`. Both install the Debian
# packages the project needs (scripts/bootstrap), configure and build first.

# ccache shares its cache between clones in other folders (CI builds a fresh clone every time).
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1

BUILD ?= build
JOBS ?= $(shell nproc)
BUILD_TYPE ?= RelWithDebInfo

.PHONY: all bootstrap configure build run test bench clean

all: build

bootstrap:
	@bash scripts/bootstrap

configure: bootstrap
	@if [ ! -f $(BUILD)/build.ninja ]; then \
		cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE); \
	fi

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@bash scripts/run-quorvex $(BUILD)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; $$b; done

clean:
	rm -rf $(BUILD)

# Front door for a fresh Debian 12 machine: each target installs what it needs, configures and
# builds. The real build is CMake with Ninja; see the README.
BUILD ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)
# A command that runs ctest for `make test` and judges its result; CI sets one that also counts
# the registered suites and the skipped tests (.ci/ctest-census.py).
TEST_RUNNER ?=

.PHONY: all deps configure build run test package bench bench-app screenshots translations clean

all: build

deps:
	@bash .ci/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DSALVENOR_BENCH=ON $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@cd $(BUILD)/stage && ./salvenor

test: build
	@$(TEST_RUNNER) ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) --timeout 300

# The Debian package salvenor_<version>_<arch>.deb, written into the build folder.
package: build
	@cmake --build $(BUILD) --target package

bench: build
	@cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@bash bench/run-all.sh $(BUILD)

# The README's pictures of the program's windows, taken afresh into docs/screenshots/.
screenshots:
	@bash tools/tour/refresh-docs.sh $(BUILD)

# Refreshes translations/*.ts from the sources after texts were added or changed.
translations: configure
	@cmake --build $(BUILD) --target update_translations

clean:
	@rm -rf $(BUILD)

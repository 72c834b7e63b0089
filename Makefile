# The two set-up commands of the README, and the longer checks.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench install package clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Builds and starts the launcher.
run: build
	./$(BUILD)/app/lumenary

# Builds and runs every test headless.
test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Benchmarks in a release build; writes the table of results to build-bench/results.md.
bench: deps
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DLUMENARY_BENCH=ON >/dev/null
	@cmake --build build-bench -j $(JOBS)
	cd build-bench/bench && ./bench_events --benchmark_out=events.json --benchmark_out_format=json
	cd build-bench/bench && ./bench_startup --benchmark_out=startup.json --benchmark_out_format=json
	python3 bench/report.py build-bench/results.md build-bench/bench/events.json build-bench/bench/startup.json
	@cat build-bench/results.md

# Installs into PREFIX (default /usr/local); DESTDIR is honoured for staging.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package in the build folder: lumenary_<version>_<arch>.deb.
package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)

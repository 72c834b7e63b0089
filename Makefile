# The two set-up commands of the README, and the longer checks.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench install package clean sanitize soak-long fuzz

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

# The sanitizer build (AddressSanitizer with leak detection, UndefinedBehaviorSanitizer) in
# build-san, and every test in it.
SAN_BUILD ?= build-san
sanitize: deps
	@cmake -S . -B $(SAN_BUILD) -DLUMENARY_SANITIZE=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# A million random events across every window, in the sanitizer build. SOAK_SEED replays a run.
SOAK_SEED ?= 1
SOAK_EVENTS ?= 1000000
soak-long: deps
	@cmake -S . -B $(SAN_BUILD) -DLUMENARY_SANITIZE=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(SAN_BUILD) -j $(JOBS) --target lumenary_soak
	QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/cmake/lsan.supp \
	    ./$(SAN_BUILD)/tests/soak/lumenary_soak --seed $(SOAK_SEED) --events $(SOAK_EVENTS) \
	    --stall-seconds 120

# Each fuzz target for FUZZ_SECONDS (default 300 s each); skipped without clang's fuzzer runtime.
FUZZ_SECONDS ?= 300
fuzz: configure
	@cmake -S . -B $(BUILD) -DLUMENARY_FUZZ_SECONDS=$(FUZZ_SECONDS) >/dev/null
	cmake --build $(BUILD) --target fuzz_long -j $(JOBS)

# Benchmarks in a release build; writes the table of results to build-bench/results.md.
bench: deps
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DLUMENARY_BENCH=ON >/dev/null
	@cmake --build build-bench -j $(JOBS)
	cd build-bench/bench && ./bench_events --benchmark_out=events.json --benchmark_out_format=json
	cd build-bench/bench && ./bench_startup --benchmark_out=startup.json --benchmark_out_format=json
	cd build-bench/bench && ./bench_rainbow_colours --benchmark_out=rainbow_colours.json --benchmark_out_format=json
	python3 bench/report.py build-bench/results.md build-bench/bench/events.json build-bench/bench/startup.json \
	    build-bench/bench/rainbow_colours.json
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

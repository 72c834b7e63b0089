# The two set-up commands of the README, and the longer checks.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps deps-run configure configure-run build build-run run test bench install \
        uninstall package clean sanitize soak-long fuzz

all: build

# Package installation is the one step that may need root (sudo is asked for there only); the
# build and the program run as whoever called make.
deps-run:
	@bash scripts/install-deps.sh run

deps:
	@bash scripts/install-deps.sh test

# A build folder left behind by a run as root cannot be written by a user.
define configure_build
	@if [ -e $(BUILD) ] && [ ! -w $(BUILD) ]; then \
	    echo "$(BUILD)/ is not writable (made by another user?); remove it: sudo rm -rf $(BUILD)" >&2; \
	    exit 1; fi
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
endef

configure-run: deps-run
	$(configure_build)

configure: deps
	$(configure_build)

# Only the programs (the launcher and lumenary-trace): tests, soak, fuzz targets and benchmarks are
# left to `make test` and the rest.
build-run: configure-run
	@cmake --build $(BUILD) -j $(JOBS) --target lumenary lumenary-trace

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Builds and starts the launcher.
run: build-run
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
	cd build-bench/bench && ./bench_prism_spectrum --benchmark_out=prism_spectrum.json --benchmark_out_format=json
	cd build-bench/bench && ./bench_startup --benchmark_out=startup.json --benchmark_out_format=json
	cd build-bench/bench && ./bench_rainbow_colours --benchmark_out=rainbow_colours.json --benchmark_out_format=json
	cd build-bench/bench && ./bench_boundary --benchmark_out=boundary.json --benchmark_out_format=json
	cd build-bench/bench && ./bench_trace --benchmark_out=trace.json --benchmark_out_format=json
	cd build-bench/bench && ./bench_bench_window --benchmark_out=bench_window.json --benchmark_out_format=json
	python3 bench/report.py build-bench/results.md build-bench/bench/events.json \
	    build-bench/bench/prism_spectrum.json build-bench/bench/rainbow_colours.json \
	    build-bench/bench/boundary.json build-bench/bench/trace.json \
	    build-bench/bench/bench_window.json build-bench/bench/startup.json
	@cat build-bench/results.md

PREFIX ?= /usr/local
# Installs into PREFIX (default /usr/local); DESTDIR is honoured for staging. The build runs as the
# caller; only the copying asks for sudo where PREFIX is not writable. What was installed is listed
# in $(BUILD)/install_manifest.txt (`make uninstall` removes it).
install: build-run
	@if [ "$$(id -u)" -eq 0 ] || { mkdir -p "$(DESTDIR)$(PREFIX)" 2>/dev/null && \
	    [ -w "$(DESTDIR)$(PREFIX)" ]; }; then \
	    cmake --install $(BUILD) --prefix $(PREFIX); \
	else sudo cmake --install $(BUILD) --prefix $(PREFIX); fi

# Removes what `make install` put in place, as listed in its manifest.
uninstall:
	@[ -f $(BUILD)/install_manifest.txt ] || { echo "no $(BUILD)/install_manifest.txt" >&2; exit 1; }
	@if [ "$$(id -u)" -eq 0 ]; then xargs -d '\n' rm -fv < $(BUILD)/install_manifest.txt; \
	else xargs -d '\n' sudo rm -fv < $(BUILD)/install_manifest.txt; fi

# A Debian package in the build folder: lumenary_<version>_<arch>.deb.
package: build-run
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)

BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# Developers and CI build with WERROR=ON; a user's plain build leaves it off.
WERROR ?= OFF
CMAKE_FLAGS ?=

.PHONY: all configure build run test release-check bench test-sanitize fuzz fuzz-smoke soak \
	soak-kill configure-windows windows test-windows dist clean

all: build

configure:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCOMPILA_WERROR=$(WERROR) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The program alone: neither the tests nor the benchmarks are built.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target compila_scenario
	./$(BUILD)/compila_scenario

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Release builds with both compilers, warnings as errors: what CI checks beside the tests.
release-check:
	cmake -S . -B build-release-gcc -DCMAKE_BUILD_TYPE=Release -DCOMPILA_WERROR=ON \
		-DBUILD_TESTING=OFF -DCMAKE_CXX_COMPILER=g++
	cmake --build build-release-gcc -j $(JOBS)
	cmake -S . -B build-release-clang -DCMAKE_BUILD_TYPE=Release -DCOMPILA_WERROR=ON \
		-DBUILD_TESTING=OFF -DCMAKE_CXX_COMPILER=clang++
	cmake --build build-release-clang -j $(JOBS)

# Builds and runs the benchmarks (Google Benchmark, Debian's libbenchmark-dev), then the
# peak memory of one compile run of the longest line.
bench: build
	@test -x $(BUILD)/bench/compila_bench || \
		{ echo "compila_bench not built: install libbenchmark-dev"; exit 1; }
	./$(BUILD)/bench/compila_bench --benchmark_color=false
	./$(BUILD)/bench/confronto_pavimento ./$(BUILD)/compila_scenario ./$(BUILD)/bench/pavimento_scrittura
	BUILD=$(BUILD) bench/peak_memory.sh

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer, built with clang.
test-sanitize:
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCOMPILA_WERROR=ON \
		-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCOMPILA_SANITIZE=ON
	cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && ctest --output-on-failure -j $(JOBS)

# The libFuzzer targets, with both sanitizers: the compiler in memory, the language server's
# input, and the output folder's set of files under injected failures and kills.
fuzz:
	cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
		-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCOMPILA_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS) --target compila_fuzz cornice_fuzz insieme_fuzz

# A short run of each on its seed corpus (all three within two minutes), then their
# executions per second; new inputs go to build-fuzz/corpus*, never into fuzz/.
FUZZ_SECONDS ?= 55
FUZZ_LSP_SECONDS ?= 30
FUZZ_SECONDS_INSIEME ?= 30
FUZZ_FLAGS = -timeout=20 -print_final_stats=1 -artifact_prefix=build-fuzz/findings/
# Runs one target quietly into its log, shows the log's end, and keeps the target's status.
fuzz_breve = ./build-fuzz/fuzz/$(1) $(FUZZ_FLAGS) $(2) > build-fuzz/$(1).log 2>&1; \
	s=$$?; tail -n 8 build-fuzz/$(1).log; exit $$s
fuzz-smoke: fuzz
	mkdir -p build-fuzz/corpus build-fuzz/corpus_lsp build-fuzz/corpus_insieme build-fuzz/findings
	$(call fuzz_breve,compila_fuzz,-max_len=4096 -dict=fuzz/keywords.dict \
		-max_total_time=$(FUZZ_SECONDS) build-fuzz/corpus fuzz/corpus)
	$(call fuzz_breve,cornice_fuzz,-max_len=16384 -dict=fuzz/lsp.dict \
		-max_total_time=$(FUZZ_LSP_SECONDS) build-fuzz/corpus_lsp fuzz/corpus_lsp)
	$(call fuzz_breve,insieme_fuzz,-max_len=512 \
		-max_total_time=$(FUZZ_SECONDS_INSIEME) build-fuzz/corpus_insieme fuzz/corpus_insieme)
	@for t in compila_fuzz cornice_fuzz insieme_fuzz; do \
		echo "$$t: $$(sed -n 's/^stat::average_exec_per_sec: *//p' build-fuzz/$$t.log) esecuzioni al secondo"; \
	done

# 10,000 mutations of the embedded pair through the real binary (not run by CI).
soak: build
	python3 fuzz/soak.py ./$(BUILD)/compila_scenario

# 500 kill -9 at random moments of a compile of the longest line over an earlier result, each
# followed by the next run's recovery (not run by CI).
soak-kill: configure
	cmake --build $(BUILD) -j $(JOBS) --target compila_scenario genera_linea_lunga
	python3 fuzz/soak_kill.py ./$(BUILD)/compila_scenario ./$(BUILD)/bench/genera_linea_lunga

# Windows: cross-built with MinGW-w64, tested under Wine.
WINDOWS = build-windows
configure-windows:
	cmake -S . -B $(WINDOWS) -DCMAKE_BUILD_TYPE=Release -DCOMPILA_WERROR=$(WERROR) \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake $(CMAKE_FLAGS)

windows: configure-windows
	cmake --build $(WINDOWS) -j $(JOBS) --target compila_scenario

# The whole suite under Wine, in a Wine prefix made afresh for the run; the window test
# under Xvfb, in a prefix of its own.
test-windows: configure-windows
	rm -rf $(WINDOWS)/wineprefix
	cmake --build $(WINDOWS) -j $(JOBS)
	cd $(WINDOWS) && ctest --output-on-failure -j $(JOBS)

# A zip for Windows users: the program, the README, the format guide and how to use it.
DIST = $(WINDOWS)/dist/compila_scenario
dist: windows
	rm -rf $(WINDOWS)/dist
	mkdir -p $(DIST)/docs
	x86_64-w64-mingw32-strip -o $(DIST)/compila_scenario.exe $(WINDOWS)/compila_scenario.exe
	cp README.md $(DIST)/
	cp docs/scenario-format.md docs/windows.md $(DIST)/docs/
	cd $(WINDOWS)/dist && cmake -E tar cf ../compila_scenario-windows.zip --format=zip \
		compila_scenario
	@echo "$(WINDOWS)/compila_scenario-windows.zip"

clean:
	rm -rf $(BUILD) build-*

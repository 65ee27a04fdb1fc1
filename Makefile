BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all configure build run test bench clean

all: build

configure:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/compila_scenario

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Builds and runs the benchmarks (Google Benchmark, Debian's libbenchmark-dev), then the
# peak memory of one compile run of the longest line.
bench: build
	@test -x $(BUILD)/bench/compila_bench || \
		{ echo "compila_bench not built: install libbenchmark-dev"; exit 1; }
	./$(BUILD)/bench/compila_bench --benchmark_color=false
	BUILD=$(BUILD) bench/peak_memory.sh

clean:
	rm -rf $(BUILD) build-*

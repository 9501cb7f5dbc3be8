# make run   installs what is missing, builds, and opens the program on the demo account
# make test  installs what is missing, builds the sanitized test build and runs every test
JOBS ?= $(shell nproc)
BUILD_DIR ?= build
TEST_DIR ?= build-test
BENCH_DIR ?= build-bench
PROGRAM := $(BUILD_DIR)/orvan-sysmaintain

.PHONY: deps build run test bench format clean

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVAN_BUILD_TESTS=OFF
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(PROGRAM) init-demo --if-missing
	$(PROGRAM) $(ARGS)

test: deps
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DORVAN_SANITIZE=ON
	cmake --build $(TEST_DIR) -j $(JOBS)
	ctest --test-dir $(TEST_DIR) -j $(JOBS) --output-on-failure

bench: deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DORVAN_BUILD_TESTS=OFF -DORVAN_BUILD_BENCH=ON
	cmake --build $(BENCH_DIR) -j $(JOBS) --target orvan_bench
	$(BENCH_DIR)/bench/orvan_bench $(ARGS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(TEST_DIR) $(BENCH_DIR)

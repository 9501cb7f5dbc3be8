# make run   installs what is missing, builds, and opens the program on the demo account
# make test  installs what is missing, builds the sanitized test build and runs every test
JOBS ?= $(shell nproc)
BUILD_DIR ?= build
TEST_DIR ?= build-test
BENCH_DIR ?= build-bench
NOGUI_DIR ?= build-nogui
PROGRAM := $(BUILD_DIR)/orvan-sysmaintain

.PHONY: deps build run test checks check-nogui fuzz bench format clean package

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVAN_BUILD_TESTS=OFF
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(PROGRAM) init-demo --if-missing
	$(PROGRAM) $(ARGS)

test: deps
	bash scripts/checks/format.sh
	python3 scripts/checks/layers.py
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DORVAN_SANITIZE=ON
	cmake --build $(TEST_DIR) -j $(JOBS)
	bash scripts/with-postgres.sh ctest --test-dir $(TEST_DIR) -j $(JOBS) --output-on-failure
	bash scripts/checks/names.sh $(TEST_DIR)
	$(MAKE) --no-print-directory check-nogui
	bash fuzz/run.sh 15

# A Debian package of a release build that carries no source path: build-package/*.deb,
# installed with `apt install ./build-package/orvan-sysmaintain_*.deb`.
PACKAGE_DIR ?= build-package
package: deps
	cmake -S . -B $(PACKAGE_DIR) -DCMAKE_BUILD_TYPE=Release -DORVAN_BUILD_TESTS=OFF \
	  -DORVAN_SOURCE_DATA=OFF -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build $(PACKAGE_DIR) -j $(JOBS)
	cd $(PACKAGE_DIR) && cpack -G DEB

# The format, layering and naming checks alone (naming needs the test build configured).
checks:
	bash scripts/checks/format.sh
	python3 scripts/checks/layers.py
	bash scripts/checks/names.sh $(TEST_DIR)

# The component and the program built without the Qt views, as a site without Qt builds them.
check-nogui:
	cmake -S . -B $(NOGUI_DIR) -DORVAN_BUILD_GUI=OFF -DORVAN_BUILD_TESTS=OFF
	cmake --build $(NOGUI_DIR) -j $(JOBS)

# The libFuzzer targets (clang), each run for SECONDS on its seeded corpus.
SECONDS ?= 600
fuzz: deps
	bash fuzz/run.sh $(SECONDS)

bench: deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DORVAN_BUILD_TESTS=OFF -DORVAN_BUILD_BENCH=ON
	cmake --build $(BENCH_DIR) -j $(JOBS) --target orvan_bench orvan-sysmaintain
	bash scripts/with-postgres.sh $(BENCH_DIR)/bench/orvan_bench $(ARGS)
	bash bench/process-start.sh $(BENCH_DIR)/orvan-sysmaintain

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(TEST_DIR) $(BENCH_DIR) $(NOGUI_DIR) $(PACKAGE_DIR) build-fuzz

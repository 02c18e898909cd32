# Entry points for a new machine: `make run` and `make test` set everything up themselves.
BUILD_DIR ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The tests run on a build with AddressSanitizer and UBSan; the program and benchmarks run optimised.
TEST_BUILD_DIR ?= build-asan
TEST_CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALVERO_SANITIZE=ON -DKALVERO_BUILD_BENCH=OFF
export ASAN_OPTIONS ?= detect_leaks=1:detect_stack_use_after_return=1
export LSAN_OPTIONS ?= suppressions=$(CURDIR)/tests/sanitizer/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS ?= print_stacktrace=1:halt_on_error=1
FORMAT_FILES = $(shell git ls-files '*.cpp' '*.h' 2>/dev/null)

.PHONY: all setup configure build test run bench fuzz format format-check clean

all: build

setup:
	@./scripts/setup.sh

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

configure: $(BUILD_DIR)/build.ninja

$(TEST_BUILD_DIR)/build.ninja:
	cmake -S . -B $(TEST_BUILD_DIR) -G Ninja $(TEST_CMAKE_FLAGS)

build: setup configure
	cmake --build $(BUILD_DIR)

test: setup $(TEST_BUILD_DIR)/build.ninja
	cmake --build $(TEST_BUILD_DIR)
	ctest --test-dir $(TEST_BUILD_DIR) --output-on-failure -j2
	@$(MAKE) --no-print-directory format-check

run: build
	@./scripts/run.sh $(BUILD_DIR)

bench: build
	@# Generates ~320 MB of projects under /tmp/kalvero-bench on the first run.
	@./scripts/bench.sh $(BUILD_DIR)

fuzz:
	@# Clang's libFuzzer programs in build-fuzz, each run for FUZZ_SECONDS (default 300).
	@./scripts/fuzz.sh

format:
	clang-format -i $(FORMAT_FILES)

format-check:
	@clang-format --dry-run --Werror $(FORMAT_FILES) && echo "Formatting: OK"

clean:
	rm -rf $(BUILD_DIR) $(TEST_BUILD_DIR)

# Entry points for a new machine: `make run` and `make test` set everything up themselves.
BUILD_DIR ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
FORMAT_FILES = $(shell git ls-files '*.cpp' '*.h' 2>/dev/null)

.PHONY: all setup configure build test run bench format format-check clean

all: build

setup:
	@./scripts/setup.sh

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

configure: $(BUILD_DIR)/build.ninja

build: setup configure
	cmake --build $(BUILD_DIR)

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j2
	@$(MAKE) --no-print-directory format-check

run: build
	@./scripts/run.sh $(BUILD_DIR)

bench: build
	@# Generates ~320 MB of projects under /tmp/kalvero-bench on the first run.
	@./scripts/bench.sh $(BUILD_DIR)

format:
	clang-format -i $(FORMAT_FILES)

format-check:
	@clang-format --dry-run --Werror $(FORMAT_FILES) && echo "Formatting: OK"

clean:
	rm -rf $(BUILD_DIR)

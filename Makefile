# The two commands: `make run` and `make test`. Both install what is missing first.
BUILD_DIR ?= build
JOBS ?= 2

.PHONY: run test build deps bench format clean

run: build
	./$(BUILD_DIR)/forms/tallyrin

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j$(JOBS)

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja
	cmake --build $(BUILD_DIR) -j$(JOBS)

deps:
	@bash scripts/install-deps.sh

bench: build
	./$(BUILD_DIR)/bench/bench_calc

format:
	cmake --build $(BUILD_DIR) --target format

clean:
	rm -rf $(BUILD_DIR)

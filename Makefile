# The two commands: `make run` and `make test`. Both install what is missing first.
BUILD_DIR ?= build
JOBS ?= 2
# `make fuzz`: the libFuzzer targets of the file readers, built with clang in their own folder and
# run FUZZ_SECONDS each.
FUZZ_BUILD_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
# `make test-sanitize`: the whole project and its tests with the address and undefined-behaviour
# sanitizers, in their own folder.
SANITIZE_BUILD_DIR ?= build-sanitize
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer

.PHONY: run test build deps bench format clean fuzz test-sanitize package

run: build
	./$(BUILD_DIR)/forms/tallyrin

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j$(JOBS)

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja
	cmake --build $(BUILD_DIR) -j$(JOBS)

deps:
	@bash scripts/install-deps.sh

fuzz: deps
	cmake -S . -B $(FUZZ_BUILD_DIR) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DTALLYRIN_FUZZ=ON -DTALLYRIN_WERROR=OFF -DTALLYRIN_HARDEN=OFF \
		-DTALLYRIN_BUILD_GUI=OFF -DTALLYRIN_BUILD_TESTS=OFF
	cmake --build $(FUZZ_BUILD_DIR) -j$(JOBS) --target fuzz_targets
	bash scripts/run-fuzz.sh $(FUZZ_BUILD_DIR) $(FUZZ_SECONDS)

test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD_DIR) -G Ninja -DTALLYRIN_WERROR=OFF -DTALLYRIN_HARDEN=OFF -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_SHARED_LINKER_FLAGS="$(SANITIZE_FLAGS)"
	cmake --build $(SANITIZE_BUILD_DIR) -j$(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --test-dir $(SANITIZE_BUILD_DIR) --output-on-failure -j$(JOBS)

# The Debian package build/tallyrin2009_<version>_amd64.deb.
package: build
	cmake --build $(BUILD_DIR) --target package
	lintian -I -E --pedantic --fail-on error,warning $(BUILD_DIR)/tallyrin2009_*_amd64.deb

bench: build
	./$(BUILD_DIR)/bench/bench_calc

format:
	cmake --build $(BUILD_DIR) --target format

clean:
	rm -rf $(BUILD_DIR)

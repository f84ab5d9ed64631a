# Entry points: `make run` builds and starts the clock, `make test` builds
# everything and runs every test. Both install what they need first.
BUILD ?= build
JOBS ?= $(shell nproc)
NATIVE := $(BUILD)/native
WIN32_DIR := $(BUILD)/win32
WIN64_DIR := $(BUILD)/win64
FUZZ_DIR := $(BUILD)/fuzz
FUZZ_SECONDS ?= 300

.PHONY: all deps native win32 win64 fuzz-build test test-native test-wine run bench fuzz format clean

all: native win32 win64

deps:
	@bash scripts/install-deps.sh

native: deps
	@cmake -S . -B $(NATIVE) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVANTREL_SANITIZE=ON >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS)

win32: deps
	@cmake -S . -B $(WIN32_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
	@cmake --build $(WIN32_DIR) -j $(JOBS)

win64: deps
	@cmake -S . -B $(WIN64_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake >/dev/null
	@cmake --build $(WIN64_DIR) -j $(JOBS) --target Vantrel

# Fuzz targets: a short run inside `make test`, a longer one through `make fuzz`.
fuzz-build: deps
	@cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang \
	  -DCMAKE_CXX_COMPILER=clang++ -DVANTREL_FUZZ=ON -DVANTREL_SANITIZE=ON \
	  -DVANTREL_FUZZ_SECONDS=$(FUZZ_SECONDS) >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS)

fuzz: fuzz-build
	@ctest --test-dir $(FUZZ_DIR) --output-on-failure

test-native: native
	@ctest --test-dir $(NATIVE) --output-on-failure -j $(JOBS)

# Programs under Wine without a window manager depend on its focus handling,
# which now and then drops a click or a key; a failed Wine test runs once more
# and its first failure stays in the output.
WINE_CTEST := ctest --test-dir $(WIN32_DIR) --output-on-failure --repeat until-pass:2

test-wine: win32
	@$(WINE_CTEST)

test: all
	@$(MAKE) --no-print-directory fuzz-build FUZZ_SECONDS=8
	@bash scripts/check-format.sh
	@bash scripts/check-binaries.sh $(WIN32_DIR)/Vantrel.exe $(WIN64_DIR)/Vantrel.exe
	@ctest --test-dir $(FUZZ_DIR) --output-on-failure
	@ctest --test-dir $(NATIVE) --output-on-failure -j $(JOBS)
	@$(WINE_CTEST)

bench: win32 win64
	@cmake --build $(WIN32_DIR) --target reference_clock
	@bash bench/run.sh $(WIN32_DIR)

run: win32
	@bash scripts/run-clock.sh $(WIN32_DIR)

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)

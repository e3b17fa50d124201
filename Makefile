# Entry points for a fresh Debian/Ubuntu machine: each target first installs
# whatever packages are missing, then configures and builds.
BUILD_DIR ?= build/release

.PHONY: all deps build run test bench clean

all: build

deps:
	@tools/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGL_BUILD_TESTS=OFF -DGL_BUILD_BENCHMARKS=OFF >/dev/null
	@cmake --build $(BUILD_DIR) --target gratinglab

run: build
	@tools/run-program.sh $(BUILD_DIR)/app/gratinglab $(ARGS)

test: deps
	@tools/run-tests.sh

bench: deps
	@tools/run-benchmarks.sh

# Time-boxed fuzzing of the number texts (make test only replays the kept
# inputs): make fuzz [SECONDS=60] per target.
.PHONY: fuzz
fuzz: deps
	@tests/fuzz/run-fuzzers.sh build/fuzz $(or $(SECONDS),60)

clean:
	rm -rf build

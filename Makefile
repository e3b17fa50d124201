# Entry points for a fresh Debian machine: each target first installs
# whatever packages are missing, then configures and builds.
BUILD_DIR ?= build/release
PACKAGE_DIR ?= build/package
# The release preset of CMakePresets.json, as in the README's install steps,
# so both may share the directory.
CONFIGURE = cmake --preset release -B $(BUILD_DIR)

.PHONY: all deps build run test lint bench fuzz deb windows test-windows clean

all: build

deps:
	@tools/install-deps.sh

build: deps
	@$(CONFIGURE) >/dev/null
	@cmake --build $(BUILD_DIR) --target gratinglab

run: build
	@tools/run-program.sh $(BUILD_DIR)/app/gratinglab $(ARGS)

test: deps
	@tools/run-tests.sh

# clang-tidy over every source with the checks of .clang-tidy; any finding
# fails. GL_LINT_JOBS=1 make lint on a machine others share.
lint: deps
	@tools/lint.sh

bench: deps
	@tools/run-benchmarks.sh

# Time-boxed fuzzing of the number texts (make test only replays the kept
# inputs): make fuzz [SECONDS=60] per target.
fuzz: deps
	@tests/fuzz/run-fuzzers.sh build/fuzz $(or $(SECONDS),60)

# The .deb in $(PACKAGE_DIR), checked the way a distribution checks it.
deb: deps
	@$(CONFIGURE) >/dev/null
	@cmake --build $(BUILD_DIR)
	@rm -rf $(PACKAGE_DIR)
	@cpack --config $(BUILD_DIR)/CPackConfig.cmake -B $(PACKAGE_DIR) >/dev/null
	@lintian --fail-on error,warning $(PACKAGE_DIR)/*.deb
	@ls $(PACKAGE_DIR)/*.deb

# The Windows installer and portable zip in build/windows, cross-built with
# Debian's MinGW-w64. The first run builds Qt for Windows into
# ~/.cache/gratinglab (most of an hour); later runs reuse it.
windows: deps
	@tools/windows/install-deps.sh
	@tools/windows/build-program.sh

# The Windows build under Wine, against the Linux build of the same source.
test-windows: build windows
	@tools/windows/test-windows.sh $(BUILD_DIR)/app/gratinglab

clean:
	rm -rf build

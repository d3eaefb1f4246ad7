# barsize — the two set-up commands:
#   make demo   build, measure a few examples and write gallery/index.html
#   make test   install what the tests need (if missing), build, run every test,
#               then build and run the whole suite again under ASan + UBSan,
#               and cross-build and check the Windows DLLs
# Others: make build, make bench, make clean

BUILD      ?= build
BUILD_ASAN ?= build-asan
JOBS       ?= 2
CMAKE_ARGS ?=

DEBIAN_PACKAGES = cmake g++ make libgtest-dev libbenchmark-dev libpng-dev pkg-config zint libzint-dev libqrencode-dev

.PHONY: all build demo test test-deps test-main test-asan test-windows bench clean

all: build

build:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)
	cmake --build $(BUILD) -j$(JOBS)

demo: build
	@./cli/demo.sh $(BUILD)/cli/barsize

# Debian packages and the pinned npm decoder, each only when missing.
test-deps:
	@missing=""; for p in $(DEBIAN_PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	command -v node >/dev/null 2>&1 && command -v npm >/dev/null 2>&1 || missing="$$missing nodejs npm"; \
	if [ -n "$$missing" ]; then echo "installing:$$missing"; \
	  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; fi
	@if [ ! -d tests/decoder/node_modules/zxing-wasm ]; then cd tests/decoder && npm ci --no-audit --no-fund; fi

test-main: test-deps build
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

test-asan: test-deps
	cmake -S . -B $(BUILD_ASAN) -DCMAKE_BUILD_TYPE=Debug -DBARSIZE_SANITIZE=ON -DBARSIZE_BUILD_BENCH=OFF $(CMAKE_ARGS)
	cmake --build $(BUILD_ASAN) -j$(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir $(BUILD_ASAN) --output-on-failure -j$(JOBS)

# Cross-builds the 32-bit and 64-bit Windows DLLs, checks the 32-bit one
# statically and runs the boundary test against the 64-bit one under wine64.
test-windows:
	tests/windows/run_windows_checks.sh build-windows

test: test-main test-asan test-windows

bench: build
	$(BUILD)/bench/barsize_bench

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) build-windows

# barsize — the two set-up commands:
#   make demo   build, measure a few examples and write gallery/index.html
#   make test   install what the tests need (if missing), build, run every test,
#               then build and run the whole suite again under ASan + UBSan,
#               and cross-build and check the Windows DLLs; then the
#               concurrency test under TSan and a short run of each fuzz harness
# Others: make build, make bench, make clean
#   make fuzz FUZZ_SECONDS=600   run each fuzz harness for that long (corpora kept
#                                in build-fuzz/corpus, findings in build-fuzz/findings)

BUILD      ?= build
BUILD_ASAN ?= build-asan
BUILD_FUZZ ?= build-fuzz
BUILD_TSAN ?= build-tsan
FUZZ_SECONDS ?= 600
FUZZ_SHORT_SECONDS ?= 20
FUZZ_HARNESSES = linear two_d decode
JOBS       ?= 2
CMAKE_ARGS ?=

DEBIAN_PACKAGES = cmake g++ make libgtest-dev libbenchmark-dev libpng-dev pkg-config zint libzint-dev libqrencode-dev clang libclang-rt-14-dev

.PHONY: all build demo test test-deps test-main test-asan test-windows test-tsan test-fuzz fuzz fuzz-build bench clean

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

# The concurrency test under ThreadSanitizer.
test-tsan: test-deps
	cmake -S . -B $(BUILD_TSAN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBARSIZE_TSAN=ON -DBARSIZE_BUILD_TESTS=OFF -DBARSIZE_BUILD_CLI=OFF -DBARSIZE_BUILD_BENCH=OFF $(CMAKE_ARGS)
	cmake --build $(BUILD_TSAN) -j$(JOBS) --target barsize_tsan_tests
	TSAN_OPTIONS=halt_on_error=1 $(BUILD_TSAN)/tests/tsan/barsize_tsan_tests

# libFuzzer harnesses (clang, ASan + UBSan) and their seed corpora.
fuzz-build: test-deps
	cmake -S . -B $(BUILD_FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DBARSIZE_FUZZ=ON -DBARSIZE_BUILD_TESTS=OFF -DBARSIZE_BUILD_CLI=OFF -DBARSIZE_BUILD_BENCH=OFF $(CMAKE_ARGS)
	cmake --build $(BUILD_FUZZ) -j$(JOBS)
	$(BUILD_FUZZ)/fuzz/fuzz_write_seeds $(BUILD_FUZZ)/seeds
	mkdir -p $(BUILD_FUZZ)/findings $(addprefix $(BUILD_FUZZ)/corpus/,$(FUZZ_HARNESSES))

# Each harness for $(1) seconds, one process; stops at the first finding.
define run-fuzzers
	@for h in $(FUZZ_HARNESSES); do \
	  echo "fuzz_$$h: $(1) s"; \
	  cd $(abspath $(BUILD_FUZZ))/findings && \
	  UBSAN_OPTIONS=print_stacktrace=1 ../fuzz/fuzz_$$h \
	    -max_total_time=$(1) -timeout=30 -rss_limit_mb=2048 -max_len=1300 -print_final_stats=1 \
	    -artifact_prefix=$$h- ../corpus/$$h ../seeds/$$h > $$h.log 2>&1; status=$$?; \
	  grep -E "^(stat::number_of_executed_units|Done|Symbols read back)" $$h.log; \
	  if [ $$status -ne 0 ]; then tail -n 60 $$h.log; exit 1; fi; \
	done
endef

fuzz: fuzz-build
	$(call run-fuzzers,$(FUZZ_SECONDS))

test-fuzz: fuzz-build
	$(call run-fuzzers,$(FUZZ_SHORT_SECONDS))

# Cross-builds the 32-bit and 64-bit Windows DLLs, checks the 32-bit one
# statically and runs the boundary test against the 64-bit one under wine64.
test-windows:
	tests/windows/run_windows_checks.sh build-windows

test: test-main test-asan test-windows test-tsan test-fuzz

bench: build
	$(BUILD)/bench/barsize_bench

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) build-windows $(BUILD_TSAN) $(BUILD_FUZZ)

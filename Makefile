# The two set-up commands: `make run` and `make test`. Both install what is missing first.
BUILD_DIR ?= build
SAN_DIR ?= build-asan
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test unit fuzz-smoke test-asan bench fuzz clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@bash scripts/run-agent.sh

test: unit fuzz-smoke

# Desktop tests share two cores with everything else; one that fails is run once more before it counts.
unit: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS) --repeat until-pass:2

# A short run of every fuzz target from its seed corpus.
fuzz-smoke: fuzz
	@for f in build-fuzz/bin/fuzz_*; do \
	  name=$$(basename $$f); seeds=fuzz/corpus/$${name#fuzz_}; work=build-fuzz/corpus/$$name; \
	  mkdir -p $$work; \
	  $$f -max_total_time=10 -rss_limit_mb=1024 -artifact_prefix=build-fuzz/ $$work $$(test -d $$seeds && echo $$seeds) >/dev/null 2>build-fuzz/$$name.log \
	    || { tail -40 build-fuzz/$$name.log; exit 1; }; \
	  echo "fuzz smoke: $$name ok"; \
	done

test-asan: deps
	@cmake -S . -B $(SAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DOSTREL_SANITIZE=ON >/dev/null
	@cmake --build $(SAN_DIR) -j $(JOBS) --target unit_tests
	@cd $(SAN_DIR) && ctest --output-on-failure -j $(JOBS) -L unit

bench: build
	@for b in $(BUILD_DIR)/bin/bench_*; do $$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done
	@for l in $(BUILD_DIR)/bin/load_*; do $$l; done
	@for l in $(BUILD_DIR)/bin/load_*; do $$l; done

fuzz: deps
	@cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DOSTREL_FUZZ=ON >/dev/null
	@cmake --build build-fuzz -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR) $(SAN_DIR) build-fuzz

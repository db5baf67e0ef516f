# Every target first installs what is missing (scripts/setup), then works in build/.
BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc)

.PHONY: setup configure build run test bench fuzz clean

setup:
	@scripts/setup

configure: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD) && ./drvq

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bench/drvq-bench
	$(BUILD)/bench/drvq-exam-bench

# libFuzzer needs clang: a separate build tree with the fuzz target only.
fuzz: setup
	@cmake -S . -B $(BUILD)-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DDRVQ_FUZZ=ON >/dev/null
	cmake --build $(BUILD)-fuzz --target fuzz_bank -j $(JOBS)
	mkdir -p $(BUILD)-fuzz/corpus
	$(BUILD)-fuzz/tests/fuzz_bank -max_total_time=$${FUZZ_SECONDS:-600} -timeout=10 -rss_limit_mb=2048 \
	  $(BUILD)-fuzz/corpus tests/data/fuzz-corpus

clean:
	rm -rf $(BUILD) $(BUILD)-fuzz

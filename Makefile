# SPDX-FileCopyrightText: 2026 The drvq developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every target first installs what its purpose needs and is missing (scripts/setup), then
# works in build/. `make run` and `make build` install and build only what running needs:
# the trainer, the bank tool and the sample bank; the other targets add what they need.
BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc)
RUN_TARGETS   = drvq drvq-bank sample_bank
BENCH_TARGETS = drvq-bench drvq-exam-bench drvq-review-bench drvq-study-bench drvq-readiness-bench drvq-practice-bench drvq-stats-bench

.PHONY: setup configure build run test bench fuzz clean

setup:
	@scripts/setup run

configure:
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: setup
	@$(MAKE) --no-print-directory configure
	@cmake --build $(BUILD) -j $(JOBS) --target $(RUN_TARGETS)

run: build
	cd $(BUILD) && ./drvq

# Everything, tests included, then the whole suite.
test:
	@scripts/setup test
	@$(MAKE) --no-print-directory configure
	@cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench:
	@scripts/setup bench
	@$(MAKE) --no-print-directory configure
	@cmake --build $(BUILD) -j $(JOBS) --target $(BENCH_TARGETS)
	$(BUILD)/bench/drvq-bench
	$(BUILD)/bench/drvq-exam-bench
	$(BUILD)/bench/drvq-review-bench
	$(BUILD)/bench/drvq-study-bench
	$(BUILD)/bench/drvq-readiness-bench
	$(BUILD)/bench/drvq-practice-bench
	$(BUILD)/bench/drvq-stats-bench

# libFuzzer needs clang: a separate build tree with the fuzz target only.
fuzz:
	@scripts/setup fuzz
	@cmake -S . -B $(BUILD)-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DDRVQ_FUZZ=ON >/dev/null
	cmake --build $(BUILD)-fuzz --target fuzz_bank -j $(JOBS)
	mkdir -p $(BUILD)-fuzz/corpus
	$(BUILD)-fuzz/tests/fuzz_bank -max_total_time=$${FUZZ_SECONDS:-600} -timeout=10 -rss_limit_mb=2048 \
	  $(BUILD)-fuzz/corpus tests/data/fuzz-corpus

clean:
	rm -rf $(BUILD) $(BUILD)-fuzz

.PHONY: package lintian test-asan soak

# The Debian package (CPack) of the trainer with its sample bank and the bank tool, built
# in a release tree of its own without the tests and benchmarks, and without the network.
package:
	@scripts/setup package
	@cmake -S . -B $(BUILD)-package -DCMAKE_BUILD_TYPE=Release -DDRVQ_BUILD_TESTS=OFF >/dev/null
	cmake --build $(BUILD)-package -j $(JOBS)
	mkdir -p $(BUILD)
	cd $(BUILD)-package && cpack -G DEB -B $(CURDIR)/$(BUILD)
	@echo "package: $(BUILD)/drvq_3.0-1_amd64.deb"

# What Debian's checkers say of the package.
lintian: package
	lintian --info --display-info $(BUILD)/drvq_3.0-1_amd64.deb

# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer in a tree
# of its own. Leaks are suppressed only inside third-party libraries (see the file); the slow
# unwinder on malloc is needed for that, since Qt's own frames carry no frame pointers.
# The whole exam driven from outside through xdotool and the X clipboard is left out: its
# driver does not see the sanitized program's copies in time. The same flows run in-process,
# sanitized, in tst_review, tst_scorewindow and tst_examwindow.
SANITIZE = -fsanitize=address,undefined -fno-omit-frame-pointer
test-asan:
	@scripts/setup test
	@cmake -S . -B $(BUILD)-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRVQ_HARDEN=OFF \
	  -DCMAKE_C_FLAGS="$(SANITIZE)" -DCMAKE_CXX_FLAGS="$(SANITIZE)" \
	  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
	cmake --build $(BUILD)-asan -j $(JOBS)
	cd $(BUILD)-asan && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:fast_unwind_on_malloc=0 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/packaging/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS) -E tst_reviewprogram

# 1,000 exams in one process; fails when the resident memory grows by more than 5 %.
soak: build
	cmake --build $(BUILD) --target soak_exam -j $(JOBS)
	QT_QPA_PLATFORM=offscreen $(BUILD)/tests/soak_exam

# The two commands of the README: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: run test bench deps build fuzz package clean

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) > /dev/null
	@cmake --build $(BUILD)

# Prints the sample's contents tree, then opens the sample in the reader window.
run: build
	$(BUILD)/src/cli/qbxtool tree $(BUILD)/examples/sample.qbx
	$(BUILD)/src/reader/QbxRead $(BUILD)/examples/sample.qbx

test: build
	@cd $(BUILD) && ctest --output-on-failure -j2

bench: build
	$(BUILD)/bench/bench_document
	$(BUILD)/bench/bench_text
	$(BUILD)/bench/bench_window

# A Debian package of the program (build/quirebox_*.deb).
package: build
	@cd $(BUILD) && cpack

fuzz: deps
	fuzz/run.sh fuzz_document 60

clean:
	rm -rf $(BUILD) build-asan fuzz/out

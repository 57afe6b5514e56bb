# The two commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS ?= 2

.PHONY: run test build setup asan clean

setup:
	@scripts/setup.sh

build: setup
	@cmake --preset default >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)

# The desktop program starts inside data/, so on first use its open-file
# dialog already stands in the sample data folder.
run: build
	cd data && ../$(BUILD)/orrimar

test: build asan
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

# The core and terminal tests, the end-to-end sweep over every sample
# career among them, under the address and undefined-behaviour sanitizers.
asan: setup
	@cmake --preset asan >/dev/null
	@cmake --build build-asan -j$(JOBS)
	ctest --test-dir build-asan --output-on-failure -j$(JOBS)

clean:
	rm -rf $(BUILD) build-asan

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

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

# Address and undefined-behaviour sanitizers over the whole suite.
asan: setup
	@cmake --preset asan >/dev/null
	@cmake --build build-asan -j$(JOBS)
	QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure -j$(JOBS)

clean:
	rm -rf $(BUILD) build-asan

# The two commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS ?= 2
# Seconds each fuzz target runs: `make fuzz` for a campaign, `make test` for a smoke.
FUZZ_SECONDS ?= 180
FUZZ_SMOKE_SECONDS ?= 3

.PHONY: run test build setup asan asan-build release pgo fuzz fuzz-build fuzz-smoke package clean

setup:
	@scripts/setup.sh

build: setup
	@cmake --preset default >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)

# The desktop program starts inside data/, so on first use its open-file
# dialog already stands in the sample data folder.
run: build
	cd data && ../$(BUILD)/orrimar

# Two builds serve every check: the -O3 build with the desktop program
# (which must build without a warning, as a packager's does), and one clang
# build under the sanitizers that also holds the fuzz targets.
test: build asan fuzz-smoke
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

# The core and terminal tests, the end-to-end sweep over every sample
# career among them (at a quarter of its size), under the address and
# undefined-behaviour sanitizers.
asan: asan-build
	ctest --test-dir build-asan --output-on-failure -j$(JOBS)

asan-build: setup
	@cmake --preset asan >/dev/null
	@cmake --build build-asan -j$(JOBS)
	@cmake -DDATA=data -DOUT=build-asan/seeds -P fuzz/SeedCorpora.cmake

# Fully optimised without the desktop program, as the bench measures it:
# the terminal program, the bench (build-release/bench/batch_bench) and the
# core tests.
release: setup
	@cmake --preset release >/dev/null
	@cmake --build build-release --target orrimar-cli batch_bench core_tests -j$(JOBS)
	build-release/tests/core_tests --gtest_brief=1

# A Debian package (.deb) of a release build of the two programs, in
# build-package/, hardened as Debian builds its packages (dpkg-buildflags;
# without -g: the package holds no debugging symbols); its contents are
# listed at the end, and what lintian and appstreamcli say of it.
package: setup
	@export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g; \
	  cmake --preset package \
	    -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	    -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" >/dev/null
	@cmake --build build-package --target orrimar orrimar-cli -j$(JOBS)
	@rm -f build-package/orrimar_*.deb
	cd build-package && cpack -G DEB
	dpkg-deb -c build-package/orrimar_*.deb
	lintian --pedantic --display-info build-package/orrimar_*.deb
	appstreamcli validate --pedantic --no-net \
	  build-package/packaging/org.orrimar.orrimar.metainfo.xml

# The libFuzzer targets of fuzz/ live in the sanitizer build (clang),
# their corpora seeded from data/.
fuzz-build: asan-build

# A profile-guided build of the terminal program and the bench (build-pgo).
pgo: setup
	scripts/pgo.sh

fuzz: fuzz-build
	scripts/fuzz.sh $(FUZZ_SECONDS)

fuzz-smoke: fuzz-build
	scripts/fuzz.sh --smoke $(FUZZ_SMOKE_SECONDS)

clean:
	rm -rf $(BUILD) build-asan build-release build-package

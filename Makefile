# SPDX-License-Identifier: MIT
# The two commands: `make run` builds and plays, `make test` builds and tests.
# Both install what is missing first (Debian packages, via scripts/install-deps.sh).

BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench bench-window tournament package clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@if [ -x $(BUILD)/hexbrawl ]; then $(BUILD)/hexbrawl; \
	else $(BUILD)/hexbrawl-catalogue | less -FX; fi

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# A Release build of its own, packed into build-package/hexbrawl_<version>_<arch>.deb;
# only the program is built, not the tests, with the compiler and linker flags of
# Debian's own packages (dpkg-buildflags, every hardening option on).
BUILDFLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
package: deps
	@cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
	    "-DCMAKE_CXX_FLAGS=$$($(BUILDFLAGS) CPPFLAGS) $$($(BUILDFLAGS) CXXFLAGS)" \
	    "-DCMAKE_EXE_LINKER_FLAGS=$$($(BUILDFLAGS) LDFLAGS)" $(CMAKE_FLAGS) >/dev/null
	@cmake --build build-package -j$(JOBS) --target hexbrawl
	@rm -f build-package/*.deb
	@cd build-package && cpack -G DEB
	@ls build-package/*.deb

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize,
# with the random-input tests at CI size; any sanitizer report fails it.
.PHONY: sanitize
sanitize: deps
	@JOBS=$(JOBS) scripts/sanitize.sh

# The speed benchmarks in a Release build of their own: build-bench/hexbrawl-bench,
# ending with one "ratio NAME X.XX" line per case (see README, Speed).
bench: deps
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DHEXBRAWL_BENCH=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build build-bench -j$(JOBS) --target hexbrawl-bench
	@build-bench/hexbrawl-bench

# How well the computer plays: seeded rounds against a random and a simple player,
# and free-for-alls of four computers (see README, Computer wizards).
tournament: deps
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DHEXBRAWL_BENCH=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build build-bench -j$(JOBS) --target hexbrawl-tournament
	@build-bench/hexbrawl-tournament $(ROUNDS)

# The real window under Xvfb: start-up, processor use at rest and peak memory.
bench-window:
	@scripts/install-deps.sh bench
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DHEXBRAWL_BENCH=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build build-bench -j$(JOBS) --target hexbrawl hexbrawl-titlewatch
	@bench/window.sh build-bench/hexbrawl

clean:
	rm -rf $(BUILD)

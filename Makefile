# SPDX-License-Identifier: MIT
# The two commands: `make run` builds and plays, `make test` builds and tests.
# Both install what is missing first (Debian packages, via scripts/install-deps.sh).

BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=
MAKEFLAGS += --no-print-directory

.PHONY: all deps configure build run test bench bench-window tournament package sanitize habits clean

all: build

deps:
	@scripts/install-deps.sh

# cmake's configure step, quiet when it works and with its whole output when it
# fails: $(call configure,FOLDER,FLAGS).
define configure
	@mkdir -p $(1)
	@cmake -S . -B $(1) $(2) $(CMAKE_FLAGS) >$(1)/configure.log 2>&1 || \
	    { cat $(1)/configure.log; echo "make: configuring $(1) failed (the output above is in $(1)/configure.log)" >&2; exit 1; }
endef

configure: deps
	$(call configure,$(BUILD),-DCMAKE_BUILD_TYPE=RelWithDebInfo)

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

# Only the game (or, built without Qt, the catalogue) and what it needs. Without a
# display the game's own line says what to do, and is the last line printed.
run: configure
	@if [ -d $(BUILD)/ui ]; then cmake --build $(BUILD) -j$(JOBS) --target hexbrawl; \
	else cmake --build $(BUILD) -j$(JOBS) --target hexbrawl-catalogue; fi
	@if [ -x $(BUILD)/hexbrawl ]; then exec $(BUILD)/hexbrawl; \
	else $(BUILD)/hexbrawl-catalogue | less -FX; fi

# What the tests write (saved scripts, runtime folders) stays in the build tree.
test: build
	@mkdir -p $(BUILD)/tmp
	@cd $(BUILD) && TMPDIR=$$PWD/tmp TEST_TMPDIR=$$PWD/tmp QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# A Release build of its own, packed into build-package/hexbrawl_<version>_<arch>.deb;
# only the program is built, not the tests, with the compiler and linker flags of
# Debian's own packages (dpkg-buildflags, every hardening option on).
BUILDFLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
package: deps
	$(call configure,build-package,-DCMAKE_BUILD_TYPE=Release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
	    "-DCMAKE_CXX_FLAGS=$$($(BUILDFLAGS) CPPFLAGS) $$($(BUILDFLAGS) CXXFLAGS)" \
	    "-DCMAKE_EXE_LINKER_FLAGS=$$($(BUILDFLAGS) LDFLAGS)")
	@cmake --build build-package -j$(JOBS) --target hexbrawl
	@rm -f build-package/*.deb
	@cd build-package && cpack -G DEB
	@ls build-package/*.deb

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize,
# with the random-input tests at CI size; any sanitizer report fails it.
sanitize: deps
	@JOBS=$(JOBS) CMAKE_FLAGS="$(CMAKE_FLAGS)" scripts/sanitize.sh

# The speed benchmarks in a Release build of their own: build-bench/hexbrawl-bench,
# ending with one "ratio NAME X.XX" line per case (see README, Speed).
bench: deps
	$(call configure,build-bench,-DCMAKE_BUILD_TYPE=Release -DHEXBRAWL_BENCH=ON)
	@cmake --build build-bench -j$(JOBS) --target hexbrawl-bench
	@build-bench/hexbrawl-bench

# How well the computer plays: seeded rounds against a random and a simple player,
# and free-for-alls of four computers (see README, Computer wizards).
tournament: deps
	$(call configure,build-bench,-DCMAKE_BUILD_TYPE=Release -DHEXBRAWL_BENCH=ON)
	@cmake --build build-bench -j$(JOBS) --target hexbrawl-tournament
	@build-bench/hexbrawl-tournament $(ROUNDS)

# The real window under Xvfb: start-up, processor use at rest and with a projectile
# in flight, and peak memory.
bench-window:
	@scripts/install-deps.sh bench
	$(call configure,build-bench,-DCMAKE_BUILD_TYPE=Release -DHEXBRAWL_BENCH=ON)
	@cmake --build build-bench -j$(JOBS) --target hexbrawl hexbrawl-titlewatch
	@bench/window.sh build-bench/hexbrawl

# The everyday habits CI holds: one format, the lint checks on game/, and a build
# with Clang, warnings as errors (see scripts/habits.sh).
habits: deps
	@JOBS=$(JOBS) scripts/habits.sh

# Every folder the targets above build in.
clean:
	rm -rf $(BUILD) build build-bench build-sanitize build-package build-clang

# SPDX-License-Identifier: GPL-3.0-or-later
# Two commands do everything on a fresh Debian machine: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps build run test test-sanitize test-portable bench package screenshots clean

all: build

deps:
	@bash scripts/install-deps

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/vortelia

test: build
	@bash scripts/run-tests $(BUILD)

# The same tests built with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer.
# The reproducibility test builds its own release trees, and the runs under a
# real X server or Wayland compositor repeat code the other tests cover, so
# `make test` alone runs them: CI stays within its time.
# Line tables are all a sanitizer's report needs, and build in less time than
# the full debugging data.
test-sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DVORTELIA_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build build-sanitize -j $(JOBS)
	@bash scripts/run-tests build-sanitize -LE "long|wayland|x11"

# The platform layer's Qt-alone pieces (those Windows and macOS get) on this
# machine: a quick debugging build and the tests that need no real display.
test-portable: deps
	cmake -S . -B build-portable -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DVORTELIA_PORTABLE_ONLY=ON $(CMAKE_FLAGS)
	cmake --build build-portable -j $(JOBS)
	@bash scripts/run-tests build-portable -LE "e2e|wayland|x11"

bench: deps
	cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)
	cmake --build build-release -j $(JOBS)
	@bash scripts/run-bench build-release
	@bash bench/hostile_drawings.sh build-release/vortelia

# Dated by the last commit, so that the same commit always gives the same package.
package: build
	cd $(BUILD) && SOURCE_DATE_EPOCH=$${SOURCE_DATE_EPOCH:-$$(git log -1 --format=%ct)} cpack -G DEB

screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/screenshots docs/screenshots

clean:
	rm -rf $(BUILD) build-sanitize build-release build-portable

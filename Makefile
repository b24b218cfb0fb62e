# The two commands of the contract: `make run` and `make test`.
SHELL := /bin/bash
JOBS  ?= $(shell nproc)
ROOT  := $(CURDIR)
NATIVE := build/native
FUZZ   := build/native/fuzz
WIN64  := build/win64
FUZZ_SECONDS ?= 20
# ccache, where the machine has it, makes a rebuild of unchanged sources (a second clone, a clean
# build) take seconds; without it the build is the same.
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
export CCACHE_BASEDIR := $(ROOT)
export CCACHE_NOHASHDIR := 1

.PHONY: all bootstrap native win64 dist fuzz-build test test-native test-win64 fuzz-smoke fuzz bench run clean

all: native win64

bootstrap:
	@scripts/bootstrap

$(NATIVE)/CMakeCache.txt: | bootstrap
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELT_SANITIZE=ON $(LAUNCHER) >/dev/null

$(WIN64)/CMakeCache.txt: | bootstrap
	cmake -S . -B $(WIN64) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=$(ROOT)/cmake/mingw-w64-x86_64.cmake $(LAUNCHER) >/dev/null

$(FUZZ)/CMakeCache.txt: | bootstrap
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELT_FUZZ=ON $(LAUNCHER) >/dev/null

native: $(NATIVE)/CMakeCache.txt
	cmake --build $(NATIVE) -j $(JOBS)

win64: $(WIN64)/CMakeCache.txt
	cmake --build $(WIN64) -j $(JOBS)

# The packages for Windows users: build/dist/Zelt-<version>-x64.msi and .zip.
dist: bootstrap
	@$(MAKE) --no-print-directory native win64
	cmake --build $(WIN64) --target packages

fuzz-build: $(FUZZ)/CMakeCache.txt
	cmake --build $(FUZZ) -j $(JOBS)

test: bootstrap
	@echo "== layers =="; scripts/check-layers
	@$(MAKE) --no-print-directory native win64 fuzz-build
	@status=0; \
	echo "== native tests =="; \
	(cd $(NATIVE) && ctest --output-on-failure -j $(JOBS)) || status=1; \
	echo "== fuzz smoke ($(FUZZ_SECONDS) s each) =="; \
	scripts/run-fuzzers $(FUZZ) $(FUZZ_SECONDS) || status=1; \
	echo "== Windows tests under Wine =="; \
	scripts/run-win-tests $(WIN64) || status=1; \
	exit $$status

fuzz: fuzz-build
	scripts/run-fuzzers $(FUZZ) 300

bench: bootstrap
	cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DZELT_BENCH=ON -DZELT_TESTS=OFF $(LAUNCHER) >/dev/null
	cmake --build build/bench -j $(JOBS)
	@scripts/run-benchmarks build/bench

# `make run` builds only what it runs: zelt, the palettes, samples, string tables and artwork on the
# host, then the three programs, zelt.exe and the snapshot tool for Windows. The tests are left to
# `make test`, which builds them in the same trees. One line a step; each build's output goes to a log.
RUN_NATIVE_TARGETS := zelt dist_data string_tables artwork
RUN_WIN64_TARGETS  := Zelt_Builder Pictor Zelt_IconHandler zelt zelt_snapshot

run:
	@scripts/run-step install "installing what the build needs (Debian packages, only those missing)" --show \
	  scripts/bootstrap
	@scripts/run-step build-native "building zelt and the program folder's data (build/native)" \
	  $(MAKE) --no-print-directory run-build-native
	@scripts/run-step build-win64 "building Zelt_Builder.exe, Pictor.Dll, Zelt_IconHandler.dll, zelt.exe (build/win64)" \
	  $(MAKE) --no-print-directory run-build-win64
	@scripts/run-step samples "rendering the samples into build/run" --show scripts/run-samples
	@scripts/run-step viewer "opening the template viewer (screenshot: build/run/viewer.png)" scripts/run-viewer
	@scripts/run-step editor "opening the template editor (screenshot: build/run/editor.png)" scripts/run-editor

.PHONY: run-build-native run-build-win64
run-build-native: $(NATIVE)/CMakeCache.txt
	cmake --build $(NATIVE) -j $(JOBS) --target $(RUN_NATIVE_TARGETS)

run-build-win64: $(WIN64)/CMakeCache.txt
	cmake --build $(WIN64) -j $(JOBS) --target $(RUN_WIN64_TARGETS)

clean:
	rm -rf build

# Installs zelt, its palettes, the file managers' thumbnailer and the template file type under PREFIX.
PREFIX ?= /usr/local
.PHONY: install
install: $(NATIVE)/CMakeCache.txt
	cmake --build $(NATIVE) -j $(JOBS) --target zelt dist_data
	scripts/install-linux $(NATIVE) $(DESTDIR)$(PREFIX)

# Convenience wrapper around CMake: installs what is missing, builds in build/.
SHELL := /bin/bash
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)

# Debian packages the build and the tests need.
PACKAGES := cmake make g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev \
            qt6-base-dev qt6-multimedia-dev qt6-translations-l10n libgl-dev fonts-liberation \
            xvfb xauth xdotool x11-utils \
            desktop-file-utils appstream libxml2-utils shared-mime-info man-db dpkg-dev file lintian \
            poppler-utils

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps build run test test-asan bench fuzz install package clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installiere fehlende Pakete: $$missing"; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -q && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/krashball

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Every test (core, krv, windows offscreen, QXTools, the program under Xvfb) built with
# AddressSanitizer and UBSan; any report fails the run.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DKRV_SANITIZE=ON -DKRV_BENCH=OFF -DKRV_GUI=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp ctest --output-on-failure -j $(JOBS)

# Installs into PREFIX (DESTDIR honoured), e.g. make install PREFIX=$$HOME/.local
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package $(BUILD)/krashball_<version>_<arch>.deb.
package: build
	cmake --build $(BUILD) --target package

# Every benchmark: the team file (load, save, recalculate), the team window and the printout
# (both offscreen), and the start-up time on a virtual X screen against a bare Qt main window.
bench: build
	$(BUILD)/teamfile_bench
	QT_QPA_PLATFORM=offscreen $(BUILD)/teamwindow_bench
	QT_QPA_PLATFORM=offscreen $(BUILD)/printout_bench
	xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bench/startup_time.sh $(BUILD)/krashball $(BUILD)/bare_window

# Every fuzz target in turn, FUZZ_SECONDS each (default 60); new inputs go to build-fuzz/corpus-*,
# crash inputs to the current folder (add them to fuzz/corpus/<target> with their fix). A crash
# does not stop the run: every target runs, and the failed ones are named at the end.
fuzz: deps
	@dpkg-query -W -f='$${Status}\n' clang libclang-rt-dev 2>/dev/null | grep -c 'install ok installed' | grep -q 2 || \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends clang libclang-rt-dev
	CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKRV_FUZZ=ON -DKRV_TESTS=OFF -DKRV_BENCH=OFF -DKRV_GUI=OFF
	cmake --build build-fuzz -j $(JOBS)
	tools/fuzz.sh build-fuzz $${FUZZ_SECONDS:-60}

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-fuzz

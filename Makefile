# Corvanta: set-up, build, run and test on a fresh Debian 12 machine.
#   make run    installs what is missing, builds, starts build/Corvanta/kvx
#   make test   installs what is missing, builds with the sanitizers, runs every test

PACKAGES := cmake make g++ clang ccache pkg-config qt6-base-dev libgl-dev libgtest-dev \
            libgmock-dev libbenchmark-dev xvfb xauth fonts-liberation python3
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS ?= $(shell nproc)

.PHONY: deps build run test build-test fuzz bench format clean

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "There is no display here, so Corvanta's windows cannot open."; \
	  echo "Run it in automation mode instead, for example:"; \
	  echo "  KVX_SCRIPT=- build/Corvanta/kvx"; \
	  echo "and answer each block on standard input (see docs/automation.md)."; \
	else \
	  build/Corvanta/kvx; \
	fi

build-test: deps
	cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DKVX_SANITIZE=ON -DKVX_WERROR=ON
	cmake --build build-test -j $(JOBS)

test: build-test
	cd build-test && QT_QPA_PLATFORM=offscreen \
	  ctest --output-on-failure -j $(JOBS)

fuzz: deps
	cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DKVX_FUZZ=ON -DKVX_GUI=OFF
	cmake --build build-fuzz -j $(JOBS)

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DKVX_BENCH=ON
	cmake --build build-bench -j $(JOBS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-test build-fuzz build-bench

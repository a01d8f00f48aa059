# Corvanta: set-up, build, run and test on a fresh Debian 12 machine.
#   make run    installs what is missing, builds, starts build/Corvanta/kvx
#   make test   installs what is missing, builds both editions with the sanitizers, runs
#               every test on each
#   make demo   a whole first run in automation mode on a fresh copy of the program folder

PACKAGES := cmake make g++ clang ccache pkg-config qt6-base-dev libgl-dev libgtest-dev \
            libgmock-dev libbenchmark-dev xvfb xauth fonts-liberation python3 \
            chromium
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS ?= $(shell nproc)
# Paths inside the checkout are hashed relative to it, so that another checkout of the same
# sources (a CI clone, a second work tree) reuses the compiler cache.
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1

.PHONY: deps build run test build-test test-core demo fuzz bench format clean

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

# Every test runs on both editions: the 2012 edition (build-test-2012) and the current
# one (build-test).
EDITIONS := 2012 2026
build-test: deps
	for e in $(EDITIONS); do \
	  cmake -S . -B build-test-$$e -DCMAKE_BUILD_TYPE=Debug -DKVX_SANITIZE=ON -DKVX_WERROR=ON \
	    -DKVX_EDITION=$$e && cmake --build build-test-$$e -j $(JOBS) || exit 1; \
	done

test: build-test
	status=0; for e in $(EDITIONS); do \
	  echo "== The $$e edition"; \
	  (cd build-test-$$e && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)) || status=1; \
	done; exit $$status

# The logic alone, without the Qt front end, so the split between them cannot break.
test-core: deps
	cmake -S . -B build-core -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVX_GUI=OFF -DKVX_WERROR=ON
	cmake --build build-core -j $(JOBS)
	cd build-core && ctest --output-on-failure -j $(JOBS)

DEMO := build/demo
demo: build
	rm -rf $(DEMO) && mkdir -p $(DEMO)
	cd build/Corvanta && for f in *; do case "$$f" in \
	  *.KVX|*.kvx|LASTDATA.TXT|NDEXDATA.TXT|GENERIC.TXT|TEMPHTML.HTM|TMP_QM.DAT) ;; \
	  *) [ -f "$$f" ] && cp "$$f" ../demo/ ;; esac; done
	KVX_SCRIPT=demo/first-run.txt $(DEMO)/kvx > $(DEMO)/demo-run.txt
	@echo
	@echo "A first run for Harbor Light Bakery (Oregon) is done; what the program showed is in"
	@echo "  $(DEMO)/demo-run.txt"
	@echo "The book is built in $(CURDIR)/$(DEMO)/. Open it in your browser with"
	@echo "  xdg-open $(CURDIR)/$(DEMO)/contents.htm"
	@echo "or start the program on that folder: $(DEMO)/kvx"

fuzz: deps
	cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DKVX_FUZZ=ON -DKVX_GUI=OFF
	cmake --build build-fuzz -j $(JOBS)

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DKVX_BENCH=ON
	cmake --build build-bench -j $(JOBS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-test-* build-core build-fuzz build-bench

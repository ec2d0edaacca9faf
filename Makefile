# A thin wrapper over CMake. `make test` is all a fresh Debian machine needs.
BUILD ?= build
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

.PHONY: all deps configure build test run bench install package clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

run: build
	@scripts/run-demo.sh $(BUILD)

bench: build
	@$(BUILD)/bench/vesk_bench
	@$(BUILD)/bench/ui/vesk_ui_bench

# DESTDIR, when given, is passed on through the environment.
install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

# $(BUILD)/vesknotes_<version>_<arch>.deb
package: build
	@cmake --build $(BUILD) --target package

clean:
	@rm -rf $(BUILD)

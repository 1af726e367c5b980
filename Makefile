# The two set-up commands: `make run` builds and starts Kestrovane,
# `make test` builds and runs every test. Both install what is missing.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTROVANE_WERROR=ON

.PHONY: all deps configure build test run bench clean

all: build

deps:
	@sh scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD)

test: build
	cd $(BUILD) && ctest --output-on-failure -j2 --timeout 600

run: build
	$(BUILD)/bin/Kestrovane $(if $(DRAWER),"$(DRAWER)")

bench: build
	sh bench/run-all.sh $(BUILD)

clean:
	rm -rf $(BUILD)

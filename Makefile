# The two set-up commands: `make run` builds and starts Kestrovane (or the
# program PROGRAM names), `make test` builds and runs every test. Both
# install what is missing.
BUILD ?= build
PROGRAM ?= Kestrovane
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTROVANE_WERROR=ON

.PHONY: all deps configure build test run bench clean

all: build

deps:
	@sh scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD)

# Tests make their temporary drawers under TMPDIR: inside the build tree,
# on the same file system as the sources, because comments and protection
# bits live in user extended attributes, which tmpfs on older kernels lacks.
test: build
	mkdir -p $(BUILD)/tmp && cd $(BUILD) && TMPDIR=$$(pwd)/tmp ctest --output-on-failure -j2 --timeout 600

run: build
	$(BUILD)/bin/$(PROGRAM) $(if $(DRAWER),"$(DRAWER)")

bench: build
	sh bench/run-all.sh $(BUILD)

clean:
	rm -rf $(BUILD)

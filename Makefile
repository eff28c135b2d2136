# The README's commands. `make run` and `make test` set everything up on a fresh Debian
# machine first.
BUILD      ?= build
BENCHBUILD ?= build-bench
STAGE      := $(abspath $(BUILD))/stage
PREFIX     ?= $(HOME)/.local/opt/Quillax
CONFIGDIR  ?= $(HOME)/.config/Quillax
CMAKE_FLAGS ?=

.PHONY: all deps build run test bench install stage resources clean

all: build

deps:
	scripts/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD)

# The install layout inside the build tree: both programs, the help document, the temporary
# project folder and a settings file that points at it.
stage: build
	scripts/lay-out-install "$(BUILD)" "$(STAGE)" "$(STAGE)/Quillax.conf"

run: stage
	QUILLAX_CONFIG="$(STAGE)/Quillax.conf" "$(STAGE)/PageMontager"

test: build
	cd $(BUILD) && ctest --output-on-failure --timeout 300 -j2

bench: deps
	scripts/install-deps --bench
	cmake -S . -B $(BENCHBUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLAX_TESTS=OFF -DQUILLAX_BENCH=ON
	cmake --build $(BENCHBUILD) --target benchmarks
	bench/run-all "$(BENCHBUILD)"

install: build
	scripts/lay-out-install "$(BUILD)" "$(PREFIX)" "$(CONFIGDIR)/Quillax.conf"

# Draws the pictures of free design again (they are committed).
resources: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) --target draw_resources
	QT_QPA_PLATFORM=offscreen $(BUILD)/resources/draw_resources resources

clean:
	rm -rf $(BUILD) $(BENCHBUILD)

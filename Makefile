# The README's commands. `make run` and `make test` set everything up on a fresh Debian
# machine first.
BUILD      ?= build
BENCHBUILD ?= build-bench
ASANBUILD  ?= build-asan
TSANBUILD  ?= build-tsan
FUZZBUILD  ?= build-fuzz
# How long `make fuzz` runs each target.
FUZZ_SECONDS ?= 60
CTEST      := ctest --output-on-failure --timeout 300 -j2
STAGE      := $(abspath $(BUILD))/stage
# A per-user install by default; `sudo make install PREFIX=/usr/local` installs for everyone,
# with the settings in /etc/xdg.
PREFIX     ?= $(HOME)/.local
CONFIGDIR  ?= $(if $(filter $(HOME)/%,$(abspath $(PREFIX))),$(or $(XDG_CONFIG_HOME),$(HOME)/.config)/Quillax,/etc/xdg/Quillax)
CMAKE_FLAGS ?=

.PHONY: all deps build run test check-fast check-format check-lines check-sanitize check-thread fuzz \
        bench install uninstall stage resources clean

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

# Everything: the format, the plain suite, the whole suite again under the address and
# undefined-behaviour sanitizers, and the threaded code's tests under the thread sanitizer.
# Every suite replays the fuzz corpora too.
test: check-format check-lines check-fast check-sanitize check-thread

# The plain suite only, for quick work.
check-fast: build
	cd $(BUILD) && $(CTEST)

check-format: deps
	scripts/check-format

# The tests stay a modest share of the code.
check-lines:
	scripts/count-lines --check

check-sanitize: deps
	cmake -S . -B $(ASANBUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLAX_SANITIZE=ON
	cmake --build $(ASANBUILD)
	cd $(ASANBUILD) && $(CTEST)

check-thread: deps
	cmake -S . -B $(TSANBUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLAX_TSAN=ON
	cmake --build $(TSANBUILD)
	cd $(TSANBUILD) && $(CTEST)

# Runs every fuzz target for FUZZ_SECONDS with clang and libFuzzer, and keeps what widens
# the coverage in fuzz/corpus.
fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZBUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DQUILLAX_FUZZ=ON -DQUILLAX_TESTS=OFF
	cmake --build $(FUZZBUILD) --target fuzzers
	fuzz/run-all "$(FUZZBUILD)" "$(FUZZ_SECONDS)"

bench: deps
	scripts/install-deps --bench
	cmake -S . -B $(BENCHBUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLAX_TESTS=OFF -DQUILLAX_BENCH=ON
	cmake --build $(BENCHBUILD) --target benchmarks
	bench/run-all "$(BENCHBUILD)"

# The programs with their menu entries, icons and the project file type; `make uninstall`
# removes exactly what was installed.
install: build
	scripts/install-desktop "$(BUILD)" "$(PREFIX)" "$(CONFIGDIR)"

uninstall:
	scripts/install-desktop --uninstall "$(PREFIX)" "$(CONFIGDIR)"

# Draws the pictures of free design again (they are committed).
resources: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) --target draw_resources
	QT_QPA_PLATFORM=offscreen $(BUILD)/resources/draw_resources resources

clean:
	rm -rf $(BUILD) $(BENCHBUILD) $(ASANBUILD) $(TSANBUILD) $(FUZZBUILD)

# make run   installs what is missing, builds, starts Lithoscope (a headless demo without a display)
# make test  installs what is missing, builds, runs the whole suite under Xvfb
# make test-sanitize  the same with AddressSanitizer and UndefinedBehaviorSanitizer, in build-sanitize/
# make fuzz  builds the fuzz targets as libFuzzer programs with clang, in build-fuzz/

BUILD_DIR ?= build
JOBS ?= 2
PACKAGES = qtbase5-dev libqt5opengl5-dev libboost-dev libgtest-dev xvfb xauth cmake ninja-build g++

SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
# Findings in the project's code fail the run; only leaks inside third-party
# libraries are suppressed, by library, in tools/sanitize/lsan.supp. Reports
# go to standard output, since the picture reader briefly takes over standard
# error to catch the PNG library's own messages.
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:log_path=stdout \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tools/sanitize/lsan.supp:print_suppressions=0 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:log_path=stdout:suppressions=$(CURDIR)/tools/sanitize/ubsan.supp

.PHONY: all deps configure build run test bench clean test-sanitize fuzz

all: build

deps:
	@tools/install-deps.sh $(PACKAGES)

configure: deps
	@if [ ! -f $(BUILD_DIR)/build.ninja ]; then \
	  cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release; \
	fi

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@tools/run.sh $(BUILD_DIR)

test: build
	cd $(BUILD_DIR) && xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	@if [ ! -f $(SANITIZE_DIR)/build.ninja ]; then \
	  cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g -DNDEBUG" -DLITHOSCOPE_SANITIZE=ON; \
	fi
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && $(SANITIZE_ENV) xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j $(JOBS)

fuzz: deps
	@tools/fuzz/build.sh $(FUZZ_DIR) $(JOBS)

bench: build
	bench/run $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR)

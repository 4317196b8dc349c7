# make run   installs what is missing, builds, starts Lithoscope (a headless demo without a display)
# make test  installs what is missing, builds, runs the whole suite under Xvfb
# make fuzz  builds the fuzz targets as libFuzzer programs with clang, in build-fuzz/

BUILD_DIR ?= build
JOBS ?= 2
PACKAGES = qtbase5-dev libqt5opengl5-dev libboost-dev libgtest-dev xvfb xauth cmake ninja-build g++

FUZZ_DIR ?= build-fuzz

.PHONY: all deps configure build run test bench clean fuzz

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

fuzz: deps
	@tools/fuzz/build.sh $(FUZZ_DIR) $(JOBS)

bench: build
	bench/run $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR) $(FUZZ_DIR)

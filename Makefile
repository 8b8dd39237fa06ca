# Front door: every target installs what is missing first.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
CMAKE_GEN   = cmake -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: deps build run test test-fast asan bench fuzz screenshots format clean

deps:
	@sh scripts/install-deps.sh

build: deps
	@$(CMAKE_GEN) -S . -B $(BUILD) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display: run 'xvfb-run make run', or start it from a desktop session."; \
	else exec $(BUILD)/bin/textmill; fi

test-fast: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

asan: deps
	@$(CMAKE_GEN) -DTEXTMILL_SANITIZE=ON -S . -B $(ASAN_BUILD) >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test: test-fast asan

bench: build
	@sh bench/run.sh $(BUILD)

fuzz: deps
	@CXX=clang++ cmake -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTEXTMILL_FUZZ=ON \
	  -S . -B $(FUZZ_BUILD) >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@sh fuzz/run.sh $(FUZZ_BUILD)

screenshots: build
	@mkdir -p $(BUILD)/screenshots
	@QT_QPA_PLATFORM=offscreen $(BUILD)/bin/textmill_screenshots $(BUILD)/screenshots

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)

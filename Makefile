# The commands the README names. Every target installs what it needs first.
.PHONY: deps test run bench fuzz format clean assets screenshots

FUZZ_SECONDS ?= 60
# Options for the program, as in: make run ARGS="--dark --device classic"
ARGS ?=

# Installs the Debian packages the build needs (asks for root once, when something is missing).
deps:
	@scripts/install-deps

# Builds with the sanitizers and runs every test.
test: deps
	@cmake --preset debug >/dev/null
	@cmake --build --preset debug
	@ctest --preset debug

# Builds and starts the app in a window (headless pictures where there is no display).
run: deps
	@cmake --preset debug >/dev/null
	@cmake --build --preset debug --target kelvora
	@scripts/run-kelvora $(ARGS)

# Release build, then every benchmark beside the nearest system tool.
bench: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release
	@bench/run

# Runs each fuzz target for FUZZ_SECONDS.
fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	@fuzz/run $(FUZZ_SECONDS)

# Plays the tour headless, light and dark, and writes a picture of every screen.
screenshots: deps
	@cmake --preset debug >/dev/null
	@cmake --build --preset debug --target kelvora
	@scripts/screenshots

# Redraws the committed picture assets; only needed after changing the drawing program.
assets: deps
	@mkdir -p build/tools
	@c++ -std=c++20 -O2 -Wall -Wextra -Wpedantic -Werror -I. resources/tools/draw_assets.cpp \
		platform/render/RoundedPath.cpp $$(pkg-config --cflags --libs cairo) -o build/tools/draw_assets
	@build/tools/draw_assets resources/assets

# Formats every tracked source file.
format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Removes every build.
clean:
	@rm -rf build

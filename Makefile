# The commands the README names. Every target installs what it needs first.
.PHONY: deps test run bench fuzz format clean assets screenshots

FUZZ_SECONDS ?= 60

deps:
	@scripts/install-deps

test: deps
	@cmake --preset debug >/dev/null
	@cmake --build --preset debug
	@ctest --preset debug

run: deps
	@cmake --preset debug >/dev/null
	@cmake --build --preset debug --target kelvora
	@scripts/run-kelvora

bench: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release
	@bench/run

fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	@fuzz/run $(FUZZ_SECONDS)

# Redraws the committed picture assets; only needed after changing the drawing program.
screenshots: deps
	@cmake --preset debug >/dev/null
	@cmake --build --preset debug --target kelvora
	@scripts/screenshots

assets: deps
	@mkdir -p build/tools
	@c++ -std=c++20 -O2 -Wall -Wextra -Wpedantic -Werror -I. resources/tools/draw_assets.cpp \
		platform/render/RoundedPath.cpp $$(pkg-config --cflags --libs cairo) -o build/tools/draw_assets
	@build/tools/draw_assets resources/assets

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf build

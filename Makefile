# The commands the README names. Every target installs what it needs first.
.PHONY: deps test run bench fuzz format clean

FUZZ_SECONDS ?= 60

deps:
	@scripts/install-deps

test: deps
	@cmake --preset debug >/dev/null
	@cmake --build --preset debug
	@ctest --preset debug

run: deps
	@cmake --preset debug >/dev/null
	@cmake --build --preset debug
	@echo "The desktop host does not exist yet: 'make test' runs what is built so far."

bench: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release
	@bench/run

fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	@fuzz/run $(FUZZ_SECONDS)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf build

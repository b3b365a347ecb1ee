# The two everyday commands: `make run` and `make test`.
JOBS ?= $(shell nproc)
TEST_DIR := build/test
RUN_DIR := build/release

.PHONY: deps run test format bench clean

deps:
	@scripts/install-deps

run: deps
	cmake -S . -B $(RUN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKEDRAVO_TESTS=OFF
	cmake --build $(RUN_DIR) -j $(JOBS)
	scripts/run-program $(RUN_DIR)

test: deps
	cmake -S . -B $(TEST_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKEDRAVO_SANITIZE=ON
	cmake --build $(TEST_DIR) -j $(JOBS)
	cd $(TEST_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DKEDRAVO_TESTS=OFF -DKEDRAVO_BENCH=ON
	cmake --build build/bench -j $(JOBS)
	build/bench/bench/bench

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build

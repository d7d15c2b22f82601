# A thin wrapper over CMake: `make run` builds and starts Tarvel, `make test`
# builds everything and runs every test, `make deb` builds the Debian package
# from the program's build. Each has a build folder of its own, so the
# program's build never holds a test.
BUILD ?= build
TEST_BUILD ?= build-test
JOBS ?= $(shell nproc)

.PHONY: run test deb bench clean

run:
	@tools/install-deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
	cmake --build $(BUILD) -j $(JOBS) --target tarvel tarvel-calc
	$(BUILD)/app/tarvel

test:
	@tools/install-deps test
	cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
	cmake --build $(TEST_BUILD) -j $(JOBS)
	cd $(TEST_BUILD) && ctest --output-on-failure -j $(JOBS)

deb:
	@tools/install-deps deb
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && cpack -G DEB

bench: test
	$(TEST_BUILD)/bench/tarvel-bench
	bench/batch-tables $(TEST_BUILD)/app/tarvel-calc

clean:
	rm -rf $(BUILD) $(TEST_BUILD)

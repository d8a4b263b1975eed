# Corvelle: `make run` to install what is missing, build and start; `make test` to build and run every test.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench screenshots install clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/corvelle

test: build
	bash scripts/run-tests.sh $(BUILD_DIR) $(JOBS)

bench: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target benchmarks
	bash scripts/run-benchmarks.sh $(BUILD_DIR)

# Pictures of the editor window, the keyword window, the download sheet, the raw section and the tag
# sheets, the tag pickers, the photo library sheet, the Tags menu, the preset manager with its entry
# sheet and the tag editing sheets and sidebar, the map section and the find-location sheet,
# into $(BUILD_DIR)/screenshots (or SCREENSHOTS_DIR).
screenshots: configure
	bash scripts/make-screenshots.sh $(BUILD_DIR) $(SCREENSHOTS_DIR)
	bash scripts/make-keyword-screenshots.sh $(BUILD_DIR) $(SCREENSHOTS_DIR)
	bash scripts/make-mediainfo-screenshots.sh $(BUILD_DIR) $(SCREENSHOTS_DIR)
	bash scripts/make-raw-screenshots.sh $(BUILD_DIR) $(SCREENSHOTS_DIR)
	bash scripts/make-picker-screenshots.sh $(BUILD_DIR) $(SCREENSHOTS_DIR)
	bash scripts/make-photos-screenshots.sh $(BUILD_DIR) $(SCREENSHOTS_DIR)
	bash scripts/make-tags-menu-screenshots.sh $(BUILD_DIR) $(SCREENSHOTS_DIR)
	bash scripts/make-preset-screenshots.sh $(BUILD_DIR) $(SCREENSHOTS_DIR)
	bash scripts/make-edition-screenshots.sh $(BUILD_DIR) $(SCREENSHOTS_DIR)
	bash scripts/make-map-screenshots.sh $(BUILD_DIR) $(SCREENSHOTS_DIR)

install: build
	cmake --install $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)

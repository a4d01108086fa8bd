# AddressSanitizer + UndefinedBehaviorSanitizer for the whole build; any report fails the run.
if(RW_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer -O1 -g)
    add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

# Fuzzing builds instrument the whole project so libFuzzer sees coverage of the readers.
if(RW_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -g)
    add_link_options(-fsanitize=address,undefined)
endif()

# CPack runs this once the zip is made: SHA256SUMS beside it, in the form that
# `sha256sum --check` reads. CPack names the zip in its working folder here and moves it to
# CPACK_PACKAGE_DIRECTORY afterwards, unchanged.
set(sums "")
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    file(SHA256 ${package} hash)
    get_filename_component(name ${package} NAME)
    string(APPEND sums "${hash}  ${name}\n")
endforeach()
file(WRITE ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS "${sums}")

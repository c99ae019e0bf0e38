# Run once the zips are made: SHA256SUMS beside them, in the form that `sha256sum --check` reads.
#   cmake -DPACKAGE=Kestrova-<version>-win64.zip[;Kestrova-<version>-web.zip] -P write_sums.cmake
set(sums "")
foreach(package IN LISTS PACKAGE)
    file(SHA256 ${package} hash)
    get_filename_component(name ${package} NAME)
    get_filename_component(folder ${package} DIRECTORY)
    string(APPEND sums "${hash}  ${name}\n")
endforeach()
file(WRITE ${folder}/SHA256SUMS "${sums}")

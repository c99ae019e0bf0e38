# Run once the zip is made: SHA256SUMS beside it, in the form that `sha256sum --check` reads.
#   cmake -DPACKAGE=Kestrova-<version>-win64.zip -P write_sums.cmake
file(SHA256 ${PACKAGE} hash)
get_filename_component(name ${PACKAGE} NAME)
get_filename_component(folder ${PACKAGE} DIRECTORY)
file(WRITE ${folder}/SHA256SUMS "${hash}  ${name}\n")

# The build installed on a desktop of its own, as the Debian package leaves a fresh system: the
# programs and their data under a scratch prefix, the MIME database and the table of desktop entries
# rebuilt there as the package's triggers rebuild them. Sourced after lib.sh by the checks that need
# the .sig type or the analyser.

# Sets $desk and exports the XDG folders and PATH. The data goes into the scratch system folder, not
# a scratch XDG_DATA_HOME, because ondivar_start gives the program a home of its own.
desk_install() {
	local build errors
	build=$(cd "$(dirname "$ONDIVAR_BIN")/.." && pwd)
	desk=$(mktemp -d)
	cmake --install "$build" --prefix "$desk/usr" >"$DESKTOP_OUT/$check_name-install.log" \
		|| fail "the build does not install (is every target built?)"
	# One database of the system's types and ours, as shared-mime-info's trigger makes it in
	# /usr/share/mime: where ours stood alone in a folder ahead of the system's, Qt would take its
	# *.sig for every file so named, armoured signatures too.
	cp /usr/share/mime/packages/freedesktop.org.xml "$desk/usr/share/mime/packages/"
	errors=$(XDG_DATA_DIRS=$desk/usr/share update-mime-database "$desk/usr/share/mime" 2>&1)
	[ -z "$errors" ] || fail "update-mime-database: $errors"
	update-desktop-database "$desk/usr/share/applications" || fail "update-desktop-database failed"
	mkdir -p "$desk/home/.local/share" "$desk/home/.config"
	export XDG_DATA_HOME=$desk/home/.local/share XDG_CONFIG_HOME=$desk/home/.config XDG_CONFIG_DIRS=$desk/none
	# The scratch tree alone: with the system's folder behind it, mimetype would read that folder's
	# *.sig first and hide the weight of ours.
	export XDG_DATA_DIRS=$desk/usr/share
	export PATH=$desk/usr/bin:$PATH
	# No desktop environment: xdg-utils in its generic mode, as under openbox.
	unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID
}

desk_remove() {
	[ -n "${desk:-}" ] && rm -rf "$desk"
	desk=""
}

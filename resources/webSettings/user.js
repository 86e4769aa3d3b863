user_pref("general.useragent.override", "Mozilla/5.0 (Android 8.1.0; Aurora 4.0.2; Mobile; rv:78.0) Gecko/78.0 Firefox/78.0");

